#pragma once
// A memory DC with a 32-bit top-down DIB section selected into it: the storage of the
// back buffer and of every sprite. A DIB rather than a screen-compatible bitmap, so that
// the pixels are the same whatever the display, and tests can read them directly.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "win32/Handles.h"

namespace slotpad::win32 {

class DibCanvas {
public:
    DibCanvas();
    ~DibCanvas();
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    // A new bitmap of the given size (all black); a size of 0 leaves none.
    void Reset(int width, int height);

    HDC dc() const { return dc_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ <= 0 || height_ <= 0; }
    // The pixel as a COLORREF (0x00BBGGRR), comparable with GetSysColor; 0xFFFFFFFF off
    // the bitmap.
    COLORREF PixelAt(int x, int y) const;
    // Every pixel as a COLORREF, row by row from the top.
    std::vector<COLORREF> Pixels() const;

private:
    foundation::gdi::OwnedDC dc_;
    foundation::gdi::OwnedBitmap bitmap_;  // declared after dc_: deselected and deleted first
    HGDIOBJ original_ = nullptr;
    const uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace slotpad::win32
