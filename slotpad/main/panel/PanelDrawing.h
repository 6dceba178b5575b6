#pragma once
// The two looks every sprite is made of: a 3-D button with an icon on its face, and a
// sunken field.

#include <cstdint>

#include "slotpad/platform/DrawingSurface.h"

namespace slotpad {

// A button covering X to X + W and Y to Y + H inclusive. Pressed = 1 draws it pushed in
// (a one-pixel checkerboard of COLOR_3DHIGHLIGHT and COLOR_3DLIGHT, a sunken edge and
// the icon one pixel further right and down); any other value draws it raised on
// COLOR_BTNFACE. The checkerboard is laid for square buttons, the only ones the panel has.
void Draw_Button(Canvas& Target, int16_t X, int16_t Y, int16_t W, int16_t H, int16_t Pressed,
                 const Picture& Pic);

// A field covering X to X + W and Y to Y + H inclusive: filled with Color, with a sunken
// edge around it.
void Draw_Field(Canvas& Target, int16_t X, int16_t Y, int16_t W, int16_t H, ColorRef Color);

}  // namespace slotpad
