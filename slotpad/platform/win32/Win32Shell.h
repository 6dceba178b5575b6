#pragma once

#include <windows.h>

#include "slotpad/platform/Shell.h"

namespace slotpad::win32 {

class Win32Shell : public Shell {
public:
    explicit Win32Shell(HWND window) : window_(window) {}
    void SendF1() override;
    void OpenHelp(const std::string& helpFile) override;

private:
    HWND window_;
};

}  // namespace slotpad::win32
