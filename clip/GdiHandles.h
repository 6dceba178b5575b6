#pragma once
// Owners of the GDI objects the control draws with.

#include <windows.h>

#include <utility>

namespace clip {

class GdiBitmap {
public:
    GdiBitmap() = default;
    explicit GdiBitmap(HBITMAP bitmap) : bitmap_(bitmap) {}
    GdiBitmap(const GdiBitmap&) = delete;
    GdiBitmap& operator=(const GdiBitmap&) = delete;
    GdiBitmap(GdiBitmap&& other) noexcept : bitmap_(std::exchange(other.bitmap_, nullptr)) {}
    GdiBitmap& operator=(GdiBitmap&& other) noexcept {
        std::swap(bitmap_, other.bitmap_);
        return *this;
    }
    ~GdiBitmap() {
        if (bitmap_) DeleteObject(bitmap_);
    }
    HBITMAP Get() const { return bitmap_; }
    explicit operator bool() const { return bitmap_ != nullptr; }

private:
    HBITMAP bitmap_ = nullptr;
};

// A memory device context with one object selected into it; the previous object is put
// back before the context is deleted.
class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    ~MemoryDC() {
        if (!dc_) return;
        if (previous_) SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }
    void Select(HGDIOBJ object) {
        if (!dc_ || !object) return;
        HGDIOBJ old = SelectObject(dc_, object);
        if (!previous_) previous_ = old;
    }

private:
    HDC dc_;
    HGDIOBJ previous_ = nullptr;
};

}  // namespace clip
