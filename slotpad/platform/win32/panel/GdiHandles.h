#pragma once
// Owners for the GDI objects the drawing surface creates, and scoped selections into a
// device context, so that every handle is released on every path.

#include <windows.h>

#include <utility>

namespace slotpad::win32::gdi {

template <class Handle, class Free>
class Owned {
public:
    Owned() = default;
    explicit Owned(Handle handle) noexcept : handle_(handle) {}
    ~Owned() { reset(); }
    Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != nullptr; }
    void reset(Handle handle = nullptr) noexcept {
        if (handle_) Free{}(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

struct FreeDC {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct FreeObject {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct FreeIcon {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};

using OwnedDC = Owned<HDC, FreeDC>;           // from CreateCompatibleDC
using OwnedBitmap = Owned<HBITMAP, FreeObject>;
using OwnedIcon = Owned<HICON, FreeIcon>;

// Selects an object into a DC and puts the previous one back at the end of the scope, so
// that the object can be deleted afterwards.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() {
        if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// The DC of a window's client area, from GetDC to ReleaseDC.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

}  // namespace slotpad::win32::gdi
