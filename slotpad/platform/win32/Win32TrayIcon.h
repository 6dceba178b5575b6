#pragma once
// The notification-area icon of the main window.

#include <windows.h>

#include "slotpad/platform/TrayIcon.h"

namespace slotpad::win32 {

class Win32TrayIcon : public TrayIcon {
public:
    // Notifications arrive at `window` as `callbackMessage`, with the mouse message that
    // happened on the icon in the low word of lParam.
    Win32TrayIcon(HWND window, UINT callbackMessage, HICON icon)
        : window_(window), callbackMessage_(callbackMessage), icon_(icon) {}

    bool Add(const std::string& tip) override;
    bool Delete() override;
    void ShowBalloon(const std::string& title, const std::string& text) override;

private:
    HWND window_;
    UINT callbackMessage_;
    HICON icon_;
};

}  // namespace slotpad::win32
