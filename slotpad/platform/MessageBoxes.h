#pragma once
// Messages to the user.

#include <string>

namespace slotpad {

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // A modal message with an OK button only, titled with the program's title.
    virtual void Show_Message(const std::string& prompt) = 0;
};

}  // namespace slotpad
