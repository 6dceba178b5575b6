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
    bool Confirm(const std::string& prompt, const std::string& title) override {
        return MessageBoxA(owner_, prompt.c_str(), title.c_str(), MB_OKCANCEL | MB_DEFBUTTON1) == IDOK;
    }
    bool Ask_Retry(const std::string& prompt) override {
        return MessageBoxA(owner_, prompt.c_str(), title_.c_str(), MB_RETRYCANCEL | MB_ICONWARNING | MB_DEFBUTTON1) ==
               IDRETRY;
    }

private:
    HWND owner_;
    std::string title_;
};

}  // namespace slotpad::win32
