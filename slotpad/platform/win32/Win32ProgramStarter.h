#pragma once
// Starting a program by path, and the normal-file test before it.

#include "slotpad/platform/ProgramStarter.h"

namespace slotpad::win32 {

class Win32ProgramStarter : public ProgramStarter {
public:
    bool Normal_File_Exists(const std::string& path) const override;
    bool Start_Program(const std::string& path) override;
};

}  // namespace slotpad::win32
