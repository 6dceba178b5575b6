#pragma once
// Pop-up menus of the main window, shown at the pointer.

#include <windows.h>

#include "slotpad/platform/PopupMenu.h"

namespace slotpad::win32 {

class Win32PopupMenu : public PopupMenu {
public:
    explicit Win32PopupMenu(HWND owner) : owner_(owner) {}
    std::optional<int> Show(const std::vector<MenuEntry>& entries, int defaultId) override;

private:
    HWND owner_;
};

}  // namespace slotpad::win32
