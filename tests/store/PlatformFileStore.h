#pragma once
// The build's real FileStore and a scratch folder whose name is not ASCII.

#include <filesystem>
#include <string>

#ifdef _WIN32
#include <windows.h>

#include "slotpad/platform/win32/Win32FileStore.h"
#else
#include <unistd.h>

#include "slotpad/platform/posix/PosixFileStore.h"
#endif

namespace slotpad::fixture {

#ifdef _WIN32
using PlatformFileStore = Win32FileStore;
inline unsigned long Process_Id() { return GetCurrentProcessId(); }
#else
using PlatformFileStore = PosixFileStore;
inline unsigned long Process_Id() { return static_cast<unsigned long>(getpid()); }
#endif

inline std::string Utf8(const std::filesystem::path& Path) {
    const std::u8string Text = Path.u8string();
    return std::string(Text.begin(), Text.end());
}

// Created empty for each test and removed after it.
class ScratchFolder {
public:
    ScratchFolder()
        : Path(std::filesystem::temp_directory_path() /
               std::filesystem::path(u8"SlotPad Tëst ÄÖÜ 日本 " + std::u8string(reinterpret_cast<const char8_t*>(
                                                                       std::to_string(Process_Id()).c_str())))) {
        std::filesystem::remove_all(Path);
        std::filesystem::create_directories(Path);
    }
    ~ScratchFolder() {
        std::error_code Ignored;
        std::filesystem::remove_all(Path, Ignored);
    }
    std::string File(const char8_t* Name) const { return Utf8(Path / std::filesystem::path(Name)); }

    const std::filesystem::path Path;
};

}  // namespace slotpad::fixture
