#pragma once
// What the capture code asks of the slot panel after it changed the slots.

namespace slotpad {

class PanelRefresh {
public:
    virtual ~PanelRefresh() = default;
    // Repaints every row.
    virtual void Refresh_Pics() = 0;
    // Lays the panel out again (the number of slots may have changed) and repaints.
    virtual void Form_Resize() = 0;
};

}  // namespace slotpad
