#pragma once
// Owners for the few kernel and user handles the program keeps.

#include <windows.h>
#include <ole2.h>

#include <memory>

namespace slotpad::win32 {

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

// OLE on the user-interface thread, for the life of the program.
class ComApartment {
public:
    ComApartment() : ok_(SUCCEEDED(OleInitialize(nullptr))) {}
    ~ComApartment() {
        if (ok_) OleUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    bool ok() const { return ok_; }

private:
    bool ok_;
};

}  // namespace slotpad::win32
