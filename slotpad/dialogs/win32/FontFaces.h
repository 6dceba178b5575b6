#pragma once
// FontFace to and from the system's LOGFONT, the size in points at the screen's
// vertical resolution.

#include <windows.h>

#include "slotpad/platform/FontChooser.h"

namespace slotpad::win32 {

int Screen_Pixels_Per_Inch_Y();
LOGFONTA Logical_Font(const FontFace& face, int pixelsPerInchY);
// What `font` really realises on `window`'s DC: the face the system chose and the size
// its height gives back (the size asked for when it gives that very height), with the weight, slant and underline it shows.
FontFace Realised_Face(HWND window, HFONT font, float requestedSize, int pixelsPerInchY);

}  // namespace slotpad::win32
