#pragma once
// OLE on the user-interface thread, for the life of the scope.

#include <windows.h>
#include <ole2.h>

namespace foundation {

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

}  // namespace foundation
