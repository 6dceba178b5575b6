#pragma once
// The About box's window: a modal dialog made from the design at every opening and
// destroyed when it closes. It names no owner of the program's: a hidden window of its
// own owns it, which keeps it out of the taskbar.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "slotpad/platform/AboutWindow.h"
#include "win32/DialogBase.h"

namespace slotpad::win32 {

class Win32AboutWindow : public AboutWindow, public foundation::DialogBase {
public:
    // `icon` (the program's 32 by 32 icon) stays the caller's.
    Win32AboutWindow(HINSTANCE instance, HICON icon, int twipsPerPixelX, int twipsPerPixelY);

    void Set_Caption(const std::string& caption) override;
    void Set_Label(AboutLabel label, const std::string& text) override;
    std::string Label(AboutLabel label) const override;
    void Show_Modal(AboutEvents& events) override;

    // Called once the box is up, before its modal loop waits; for tests, which drive the
    // box from there. Its controls are found by their design names.
    void Set_Shown_Hook(std::function<void(Win32AboutWindow&)> hook) { shownHook_ = std::move(hook); }
    HWND Control(std::string_view name) const;

protected:
    BOOL OnInitDialog() override;
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint_Lines(HDC dc) const;

    HINSTANCE instance_;
    HICON icon_;
    int tppX_, tppY_;
    std::vector<HWND> controls_;
    AboutEvents* events_ = nullptr;
    std::function<void(Win32AboutWindow&)> shownHook_;
};

}  // namespace slotpad::win32
