#pragma once
// Starting other programs, and the file test that comes before.

#include <string>

namespace slotpad {

class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // True when `path` (ANSI) names an existing file that is neither a folder nor hidden
    // or a system file.
    virtual bool Normal_File_Exists(const std::string& path) const = 0;
    // Starts the program at `path` (ANSI) in a normal window that takes the focus, without
    // waiting for it. False when it cannot be started.
    virtual bool Start_Program(const std::string& path) = 0;
};

}  // namespace slotpad
