#pragma once
// Messages and questions to the user, each modal to the main window.

#include <string>

namespace slotpad {

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // A modal message with an OK button only, titled with the program's title.
    virtual void Show_Message(const std::string& prompt) = 0;
    // OK and Cancel, no icon, OK the default. True only for OK: Cancel or closing the box
    // is false.
    virtual bool Confirm(const std::string& prompt, const std::string& title) = 0;
    // Retry and Cancel, titled with the program's title, Retry the default. True only for
    // Retry.
    virtual bool Ask_Retry(const std::string& prompt) = 0;
};

}  // namespace slotpad
