#pragma once
// The full path of a loaded module's file, however long.

#include <windows.h>

#include <string>

namespace foundation {

// Empty when GetModuleFileNameW fails. A null module names the program's own file.
std::wstring ModulePath(HMODULE module);

}  // namespace foundation
