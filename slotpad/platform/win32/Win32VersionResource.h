#pragma once
// The version information of a module (by default the program's own file).

#include <windows.h>

#include <vector>

#include "slotpad/platform/VersionResource.h"

namespace slotpad::win32 {

class Win32VersionResource : public VersionResource {
public:
    // Reads the version resource of `module`, the program itself when null.
    explicit Win32VersionResource(HMODULE module = nullptr);
    VersionParts File_Version() const override { return version_; }
    std::string String_Value(std::string_view name) const override;

private:
    std::vector<unsigned char> data_;
    VersionParts version_;
};

}  // namespace slotpad::win32
