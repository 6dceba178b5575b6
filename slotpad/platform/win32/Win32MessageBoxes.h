#pragma once
// Messages in a system message box titled with the program's title.

#include <windows.h>

#include "slotpad/platform/MessageBoxes.h"

namespace slotpad::win32 {

class Win32MessageBoxes : public MessageBoxes {
public:
    // `owner` may be null: the box then has no owner window.
    Win32MessageBoxes(HWND owner, std::string title) : owner_(owner), title_(std::move(title)) {}
    void Show_Message(const std::string& prompt) override {
        MessageBoxA(owner_, prompt.c_str(), title_.c_str(), MB_OK);
    }

private:
    HWND owner_;
    std::string title_;
};

}  // namespace slotpad::win32
