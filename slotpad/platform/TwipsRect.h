#pragma once
// Window and control geometry in twips, the unit of the design's window and dialog sizes.

#include <cstdlib>

namespace slotpad {

// A rectangle: a control's relative to its container, a window's or a work area's on the
// virtual screen.
struct TwipsRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

// Twips to pixels, rounded to the nearest pixel (halves away from zero), so that a
// negative position converts like its positive mirror.
inline int Twips_To_Pixels(int twips, int twipsPerPixel) {
    if (twipsPerPixel <= 0) return twips;
    const int magnitude = (std::abs(twips) * 2 + twipsPerPixel) / (2 * twipsPerPixel);
    return twips < 0 ? -magnitude : magnitude;
}
inline int Pixels_To_Twips(int pixels, int twipsPerPixel) { return pixels * twipsPerPixel; }

}  // namespace slotpad
