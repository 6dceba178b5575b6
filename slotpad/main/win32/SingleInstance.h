#pragma once
// One SlotPad per settings file: a second start from the same folder shows the running
// instance's window and ends, so two instances never overwrite each other's slots.

#include <windows.h>

#include <string>

#include "win32/Handles.h"

namespace slotpad::win32 {

class SingleInstance {
public:
    // `folder` is the program's folder (UTF-8): it names the settings file.
    explicit SingleInstance(const std::string& folder);

    // False when another instance from the same folder already runs.
    bool IsFirst() const { return first_; }

    // The first instance publishes its main window here for later starts.
    void Publish(HWND mainWindow);

    // A later start asks the first instance to show its window. False if it could not
    // be reached.
    bool ShowFirstInstance(UINT showMessage) const;

private:
    foundation::UniqueHandle mutex_;
    foundation::UniqueHandle mapping_;
    foundation::UniqueView view_;
    bool first_ = true;
};

}  // namespace slotpad::win32
