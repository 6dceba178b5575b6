#pragma once
// The program's own version information.

#include <string>
#include <string_view>

#include "slotpad/platform/Application.h"

namespace slotpad {

class VersionResource {
public:
    virtual ~VersionResource() = default;
    // Major, minor and revision (the fourth field) of the file version; all zero when the
    // program has no version information.
    virtual VersionParts File_Version() const = 0;
    // A string of the version information such as "FileDescription" or "CompanyName",
    // ANSI; empty when the value is missing.
    virtual std::string String_Value(std::string_view name) const = 0;
};

}  // namespace slotpad
