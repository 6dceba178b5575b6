#pragma once
// Registry values through the ANSI registry calls, with keys opened for reading only so
// that a user who may only read HKEY_LOCAL_MACHINE still gets them.

#include "slotpad/platform/ReadOnlyRegistry.h"

namespace slotpad::win32 {

class Win32ReadOnlyRegistry : public ReadOnlyRegistry {
public:
    std::optional<RegistryValue> Query_Value(uint32_t root, const std::string& keyName, const std::string& valueName,
                                             std::size_t maxBytes) override;
};

}  // namespace slotpad::win32
