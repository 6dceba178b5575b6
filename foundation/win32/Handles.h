#pragma once
// Scoped owners for the Win32 resources the programs use, so that each is released on
// every path: kernel and user handles, GDI objects and selections, device contexts,
// registry keys, an open clipboard and a global lock.

#include <windows.h>

#include <memory>
#include <type_traits>
#include <utility>

namespace foundation {

struct HandleCloser {
    void operator()(HANDLE h) const {
        if (h && h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

struct IconDestroyer {
    void operator()(HICON h) const {
        if (h) DestroyIcon(h);
    }
};
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDestroyer>;

struct MenuDestroyer {
    void operator()(HMENU h) const {
        if (h) DestroyMenu(h);
    }
};
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDestroyer>;

struct ViewUnmapper {
    void operator()(void* p) const {
        if (p) UnmapViewOfFile(p);
    }
};
using UniqueView = std::unique_ptr<void, ViewUnmapper>;

struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using UniqueKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

struct WindowDestroyer {
    void operator()(HWND window) const {
        if (window) DestroyWindow(window);
    }
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

namespace gdi {

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

using OwnedDC = Owned<HDC, FreeDC>;  // from CreateCompatibleDC
using OwnedBitmap = Owned<HBITMAP, FreeObject>;
using OwnedBrush = Owned<HBRUSH, FreeObject>;
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
    HDC get() const { return dc_; }
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

}  // namespace gdi

// The clipboard, open for one scope. Another program may hold it open for a moment; a
// few short retries ride that out without blocking for long.
class ClipboardOpen {
public:
    explicit ClipboardOpen(HWND owner, int attempts = 1, DWORD retryMs = 0) {
        for (int i = 0; i < attempts && !open_; ++i) {
            open_ = OpenClipboard(owner) != FALSE;
            if (!open_ && i + 1 < attempts) Sleep(retryMs);
        }
    }
    ~ClipboardOpen() {
        if (open_) CloseClipboard();
    }
    ClipboardOpen(const ClipboardOpen&) = delete;
    ClipboardOpen& operator=(const ClipboardOpen&) = delete;
    explicit operator bool() const { return open_; }

private:
    bool open_ = false;
};

// A global memory block locked for one scope.
class GlobalLockScope {
public:
    explicit GlobalLockScope(HGLOBAL memory) : memory_(memory), data_(memory ? GlobalLock(memory) : nullptr) {}
    ~GlobalLockScope() {
        if (data_) GlobalUnlock(memory_);
    }
    GlobalLockScope(const GlobalLockScope&) = delete;
    GlobalLockScope& operator=(const GlobalLockScope&) = delete;
    void* get() const { return data_; }
    size_t size() const { return data_ ? GlobalSize(memory_) : 0; }

private:
    HGLOBAL memory_;
    void* data_;
};

}  // namespace foundation
