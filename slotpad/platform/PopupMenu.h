#pragma once
// A pop-up menu shown at the pointer. The program describes the items; the platform
// shows them and reports the one chosen.

#include <optional>
#include <string>
#include <vector>

namespace slotpad {

struct MenuEntry {
    int Id = 0;              // the program's own number for the item
    std::string Caption;     // "-" for a separator; "&" marks the access key
    std::string Shortcut;    // shown right-aligned ("Ctrl+N"), may be empty
    bool Visible = true;
    bool Checked = false;
};

class PopupMenu {
public:
    virtual ~PopupMenu() = default;
    // Shows the visible entries at the pointer (right button may choose too), with
    // `defaultId` drawn bold, and returns the chosen item's Id once the menu closes.
    virtual std::optional<int> Show(const std::vector<MenuEntry>& entries, int defaultId) = 0;
};

}  // namespace slotpad
