#include "slotpad/platform/win32/Win32ProgramStarter.h"

#include <windows.h>

#include "win32/Handles.h"

namespace slotpad::win32 {

bool Win32ProgramStarter::Normal_File_Exists(const std::string& path) const {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

bool Win32ProgramStarter::Start_Program(const std::string& path) {
    if (path.empty()) return false;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    // The path may hold spaces; quoted, it cannot be read as a program plus arguments.
    std::string commandLine = "\"" + path + "\"";
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    // Not waiting: the handles are closed at once and the tool runs on its own.
    foundation::UniqueHandle thread(process.hThread);
    foundation::UniqueHandle child(process.hProcess);
    return true;
}

}  // namespace slotpad::win32
