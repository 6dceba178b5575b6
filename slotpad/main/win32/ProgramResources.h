#pragma once
// Resource ids of SlotPad.exe and the icons loaded from them.

#define IDI_SLOTPAD 1

#ifndef RC_INVOKED
#include <windows.h>

#include "win32/Handles.h"

namespace slotpad::win32 {

class ProgramIcons {
public:
    explicit ProgramIcons(HINSTANCE instance)
        : large_(Load(instance, IDI_SLOTPAD, 32)), small_(Load(instance, IDI_SLOTPAD, 16)),
          tray_(Load(instance, IDI_SLOTPAD, 16)) {}
    HICON Large() const { return large_.get(); }
    HICON Small() const { return small_.get(); }
    HICON Tray() const { return tray_.get(); }

private:
    static HICON Load(HINSTANCE instance, int id, int size) {
        return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    }
    foundation::UniqueIcon large_, small_, tray_;
};

}  // namespace slotpad::win32
#endif
