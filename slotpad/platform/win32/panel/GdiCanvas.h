#pragma once
// The Canvas operations on a device context, shared by the back buffer and the sprites.

#include <windows.h>

#include "slotpad/platform/DrawingSurface.h"
#include "win32/Handles.h"

namespace slotpad::win32 {

// A system colour reference becomes that colour as the system has it now.
COLORREF ResolveColor(ColorRef color);

// A picture is an icon: its mask makes DrawIconEx leave the transparent pixels alone.
class IconPicture : public Picture {
public:
    explicit IconPicture(const PictureBits& bits);
    HICON icon() const { return icon_.get(); }

private:
    foundation::gdi::OwnedIcon icon_;
};

namespace gdi_canvas {
void FillBox(HDC dc, const PixelRect& box, ColorRef color);
void Line(HDC dc, int x1, int y1, int x2, int y2, ColorRef color);
void Edge(HDC dc, const PixelRect& rect, EdgeStyle style);
void DrawPicture(HDC dc, const Picture& picture, int x, int y, int width, int height);
}  // namespace gdi_canvas

}  // namespace slotpad::win32
