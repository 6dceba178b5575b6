#include "slotpad/platform/win32/panel/DibCanvas.h"

#include <stdexcept>

namespace slotpad::win32 {

DibCanvas::DibCanvas() : dc_(CreateCompatibleDC(nullptr)) {
    if (!dc_) throw std::runtime_error("CreateCompatibleDC failed");
}

DibCanvas::~DibCanvas() {
    if (original_) SelectObject(dc_.get(), original_);
}

void DibCanvas::Reset(int width, int height) {
    if (width <= 0 || height <= 0) {
        if (original_) SelectObject(dc_.get(), original_);
        bitmap_.reset();
        bits_ = nullptr;
        width_ = height_ = 0;
        return;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down: row 0 first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    foundation::gdi::OwnedBitmap bitmap(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) throw std::runtime_error("CreateDIBSection failed");
    HGDIOBJ previous = SelectObject(dc_.get(), bitmap.get());
    if (!original_) original_ = previous;
    bitmap_ = std::move(bitmap);  // the old bitmap is no longer selected and goes
    bits_ = static_cast<const uint32_t*>(bits);
    width_ = width;
    height_ = height;
}

COLORREF DibCanvas::PixelAt(int x, int y) const {
    if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0xFFFFFFFFu;
    GdiFlush();
    const uint32_t pixel = bits_[static_cast<size_t>(y) * width_ + x];  // 0x00RRGGBB
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

std::vector<COLORREF> DibCanvas::Pixels() const {
    std::vector<COLORREF> pixels;
    if (!bits_) return pixels;
    GdiFlush();
    pixels.reserve(static_cast<size_t>(width_) * height_);
    for (size_t i = 0, n = static_cast<size_t>(width_) * height_; i < n; ++i)
        pixels.push_back(RGB((bits_[i] >> 16) & 0xFF, (bits_[i] >> 8) & 0xFF, bits_[i] & 0xFF));
    return pixels;
}

}  // namespace slotpad::win32
