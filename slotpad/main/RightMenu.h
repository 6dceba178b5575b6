#pragma once
// The pop-up menu "RightMenu": its items in order, with captions, shown shortcuts and
// which of them show for the panel and for the notification icon.

#include <vector>

#include "slotpad/platform/PopupMenu.h"

namespace slotpad {

enum MenuItemId : int {
    mnuShow = 1,
    mnuEdit,
    mnuHyphen1,
    mnuAdd,
    mnuCopy,
    mnuClear,
    mnuDelete,
    mnuPrint,
    mnuHyphen2,
    mnuOptions,
    mnuTop,
    mnuHyphen3,
    mnuHelp,
    mnuAbout,
    mnuHyphen4,
    mnuExit,
};

class RightMenu {
public:
    RightMenu();

    // Vis: the menu is for the visible panel (slot commands and help) rather than for
    // the notification icon ("&Show Clipboards").
    void Fix_Menu(bool Vis);

    MenuEntry& Item(MenuItemId id) { return items_[static_cast<size_t>(id - 1)]; }
    const std::vector<MenuEntry>& Items() const { return items_; }

private:
    std::vector<MenuEntry> items_;
};

}  // namespace slotpad
