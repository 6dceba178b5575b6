#pragma once
// Small services of the desktop: simulated keys and the help viewer.

#include <string>

namespace slotpad {

class Shell {
public:
    virtual ~Shell() = default;
    // Simulates one press of the F1 key to the active window.
    virtual void SendF1() = 0;
    // Opens a help file at its contents.
    virtual void OpenHelp(const std::string& helpFile) = 0;
};

}  // namespace slotpad
