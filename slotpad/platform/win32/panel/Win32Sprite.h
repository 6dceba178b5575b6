#pragma once
// A sprite: an off-screen DIB that the panel renders a button or a field into once and
// then copies onto the back buffer row after row.

#include "slotpad/platform/DrawingSurface.h"
#include "slotpad/platform/win32/panel/DibCanvas.h"

namespace slotpad::win32 {

class Win32Sprite : public Sprite {
public:
    Win32Sprite(int width, int height) { bitmap_.Reset(width, height); }

    void Resize(int width, int height) override { bitmap_.Reset(width, height); }
    int Width() const override { return bitmap_.width(); }
    int Height() const override { return bitmap_.height(); }

    void FillBox(const PixelRect& box, ColorRef color) override;
    void Line(int x1, int y1, int x2, int y2, ColorRef color) override;
    void Edge(const PixelRect& rect, EdgeStyle style) override;
    void DrawPicture(const Picture& picture, int x, int y, int width, int height) override;

    const DibCanvas& bitmap() const { return bitmap_; }

private:
    DibCanvas bitmap_;
};

}  // namespace slotpad::win32
