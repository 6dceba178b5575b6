#include "slotpad/platform/win32/panel/GdiCanvas.h"

#include <stdexcept>
#include <vector>

namespace slotpad::win32 {

COLORREF ResolveColor(ColorRef color) {
    if (color & 0x80000000u) return GetSysColor(static_cast<int>(color & 0xFFu));
    return color & 0x00FFFFFFu;
}

IconPicture::IconPicture(const PictureBits& bits) {
    const int w = bits.Width, h = bits.Height;
    if (w <= 0 || h <= 0 || bits.Rgb.size() != static_cast<size_t>(w) * h ||
        bits.Transparent.size() != bits.Rgb.size())
        throw std::invalid_argument("picture bits do not match their size");

    // Colour: a 24-bit top-down DIB, black under the transparent pixels as an icon's
    // XOR image must be. Mask: one bit a pixel, rows padded to 16 bits, 1 = transparent.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* colorBits = nullptr;
    foundation::gdi::OwnedBitmap color(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &colorBits, nullptr, 0));
    if (!color) throw std::runtime_error("CreateDIBSection failed");
    const int colorStride = (w * 3 + 3) & ~3;
    const int maskStride = ((w + 15) / 16) * 2;
    std::vector<BYTE> mask(static_cast<size_t>(maskStride) * h, 0);
    auto* out = static_cast<BYTE*>(colorBits);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const size_t i = static_cast<size_t>(y) * w + x;
            const bool clear = bits.Transparent[i] != 0;
            const uint32_t rgb = clear ? 0 : bits.Rgb[i];
            BYTE* px = out + static_cast<size_t>(y) * colorStride + x * 3;
            px[0] = rgb & 0xFF;          // blue
            px[1] = (rgb >> 8) & 0xFF;   // green
            px[2] = (rgb >> 16) & 0xFF;  // red
            if (clear) mask[static_cast<size_t>(y) * maskStride + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
        }
    }
    GdiFlush();
    foundation::gdi::OwnedBitmap maskBitmap(CreateBitmap(w, h, 1, 1, mask.data()));
    if (!maskBitmap) throw std::runtime_error("CreateBitmap failed");
    ICONINFO iconInfo{};
    iconInfo.fIcon = TRUE;
    iconInfo.hbmMask = maskBitmap.get();
    iconInfo.hbmColor = color.get();
    icon_.reset(CreateIconIndirect(&iconInfo));  // copies both bitmaps
    if (!icon_) throw std::runtime_error("CreateIconIndirect failed");
}

namespace gdi_canvas {

void FillBox(HDC dc, const PixelRect& box, ColorRef color) {
    const RECT rect{box.Left, box.Top, box.Right, box.Bottom};
    SetDCBrushColor(dc, ResolveColor(color));
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void Line(HDC dc, int x1, int y1, int x2, int y2, ColorRef color) {
    foundation::gdi::Selection pen(dc, GetStockObject(DC_PEN));
    SetDCPenColor(dc, ResolveColor(color));
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

void Edge(HDC dc, const PixelRect& rect, EdgeStyle style) {
    RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    DrawEdge(dc, &r, style == EdgeStyle::Raised ? EDGE_RAISED : EDGE_SUNKEN, BF_RECT);
}

void DrawPicture(HDC dc, const Picture& picture, int x, int y, int width, int height) {
    const auto& icon = dynamic_cast<const IconPicture&>(picture);
    DrawIconEx(dc, x, y, icon.icon(), width, height, 0, nullptr, DI_NORMAL);
}

}  // namespace gdi_canvas

}  // namespace slotpad::win32
