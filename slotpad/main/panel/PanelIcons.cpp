#include "slotpad/main/panel/PanelIcons.h"

namespace slotpad::panel {

PictureBits ToPictureBits(const IconArt& art) {
    PictureBits bits;
    bits.Width = ICON_PIXELS;
    bits.Height = ICON_PIXELS;
    bits.Rgb.reserve(art.Pixels.size());
    bits.Transparent.reserve(art.Pixels.size());
    for (uint8_t index : art.Pixels) {
        const bool transparent = index >= ICON_PALETTE.size();
        bits.Rgb.push_back(transparent ? 0 : ICON_PALETTE[index]);
        bits.Transparent.push_back(transparent ? 1 : 0);
    }
    return bits;
}

}  // namespace slotpad::panel
