#pragma once
// The four 16 x 16 pictures of the button faces. Their pixel art lives in icons/*.txt
// as readable grids of palette letters and is turned into these arrays at build time.

#include <array>
#include <cstdint>

#include "slotpad/platform/DrawingSurface.h"

namespace slotpad::panel {

inline constexpr int ICON_PIXELS = 16;
inline constexpr uint8_t TRANSPARENT_PIXEL = 255;

// Palette indices row by row from the top; TRANSPARENT_PIXEL lets the face show.
struct IconArt {
    std::array<uint8_t, ICON_PIXELS * ICON_PIXELS> Pixels;
};

extern const std::array<uint32_t, 16> ICON_PALETTE;  // 0xRRGGBB
extern const IconArt ARROW_UP_ART;    // hollow right-pointing triangle
extern const IconArt ARROW_DOWN_ART;  // the same triangle filled with white
extern const IconArt LOCK_UP_ART;     // open padlock
extern const IconArt LOCK_DOWN_ART;   // closed padlock

PictureBits ToPictureBits(const IconArt& art);

}  // namespace slotpad::panel
