#include "slotpad/main/panel/PanelGeometry.h"

#include <cmath>

namespace slotpad::panel {

int SnappedHeightTwips(int16_t lastPos, int twipsPerPixelY, int16_t nonClientHeight) {
    const float t = static_cast<float>(twipsPerPixelY);
    const float height = static_cast<float>(lastPos + 1) * static_cast<float>(ROW_PITCH) * t +
                         static_cast<float>(nonClientHeight) - t;
    return static_cast<int>(std::lround(height));
}

}  // namespace slotpad::panel
