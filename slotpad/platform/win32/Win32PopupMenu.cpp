#include "slotpad/platform/win32/Win32PopupMenu.h"

#include "win32/Handles.h"

namespace slotpad::win32 {

std::optional<int> Win32PopupMenu::Show(const std::vector<MenuEntry>& entries, int defaultId) {
    foundation::UniqueMenu menu(CreatePopupMenu());
    if (!menu) return std::nullopt;
    for (const MenuEntry& e : entries) {
        if (!e.Visible) continue;
        if (e.Caption == "-") {
            AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const std::string text = e.Shortcut.empty() ? e.Caption : e.Caption + "\t" + e.Shortcut;
        AppendMenuA(menu.get(), MF_STRING | (e.Checked ? MF_CHECKED : MF_UNCHECKED), static_cast<UINT_PTR>(e.Id),
                    text.c_str());
    }
    SetMenuDefaultItem(menu.get(), static_cast<UINT>(defaultId), FALSE);
    POINT at{};
    GetCursorPos(&at);
    const int chosen = static_cast<int>(TrackPopupMenu(menu.get(), TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                                                       at.x, at.y, 0, owner_, nullptr));
    if (chosen == 0) return std::nullopt;
    return chosen;
}

}  // namespace slotpad::win32
