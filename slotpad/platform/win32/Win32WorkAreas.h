#pragma once
// The work areas of the monitors attached to the desktop.

#include "slotpad/platform/WorkAreas.h"

namespace slotpad::win32 {

class Win32WorkAreas : public WorkAreas {
public:
    std::vector<TwipsRect> MonitorWorkAreas() const override;
};

}  // namespace slotpad::win32
