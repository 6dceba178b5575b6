#pragma once
// What the capture and command code needs of the panel: a repaint after the slots or the
// current slot changed, and a new layout after the number of slots may have changed.

namespace slotpad {

class PanelRefresh {
public:
    virtual ~PanelRefresh() = default;
    virtual void Refresh_Pics() = 0;
    virtual void Form_Resize() = 0;
};

}  // namespace slotpad
