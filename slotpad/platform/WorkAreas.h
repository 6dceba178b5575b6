#pragma once
// The parts of the desktop where a window can be seen: each monitor's work area (its
// screen less the taskbar and docked bars), in twips of the virtual screen.

#include <vector>

#include "slotpad/platform/TwipsRect.h"

namespace slotpad {

class WorkAreas {
public:
    virtual ~WorkAreas() = default;
    virtual std::vector<TwipsRect> MonitorWorkAreas() const = 0;
};

}  // namespace slotpad
