#include "slotpad/platform/win32/panel/Win32Sprite.h"

#include "slotpad/platform/win32/panel/GdiCanvas.h"

namespace slotpad::win32 {

// A sprite of width 0 (the text cell of a window narrower than the buttons) has no
// bitmap; drawing on it does nothing.

void Win32Sprite::FillBox(const PixelRect& box, ColorRef color) {
    if (!bitmap_.empty()) gdi_canvas::FillBox(bitmap_.dc(), box, color);
}

void Win32Sprite::Line(int x1, int y1, int x2, int y2, ColorRef color) {
    if (!bitmap_.empty()) gdi_canvas::Line(bitmap_.dc(), x1, y1, x2, y2, color);
}

void Win32Sprite::Edge(const PixelRect& rect, EdgeStyle style) {
    if (!bitmap_.empty()) gdi_canvas::Edge(bitmap_.dc(), rect, style);
}

void Win32Sprite::DrawPicture(const Picture& picture, int x, int y, int width, int height) {
    if (!bitmap_.empty()) gdi_canvas::DrawPicture(bitmap_.dc(), picture, x, y, width, height);
}

}  // namespace slotpad::win32
