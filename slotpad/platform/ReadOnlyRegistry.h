#pragma once
// Reading single values of the system registry. Keys are opened for reading only.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace slotpad {

inline constexpr uint32_t HKEY_LOCAL_MACHINE_ROOT = 0x80000002u;

inline constexpr uint32_t REG_SZ_TYPE = 1;
inline constexpr uint32_t REG_EXPAND_SZ_TYPE = 2;
inline constexpr uint32_t REG_DWORD_TYPE = 4;

struct RegistryValue {
    uint32_t Type = 0;
    std::string Data;  // the value's bytes as stored, strings in the ANSI code page
};

class ReadOnlyRegistry {
public:
    virtual ~ReadOnlyRegistry() = default;
    // The value `valueName` of `keyName` under the root key `root` (a predefined key such
    // as HKEY_LOCAL_MACHINE_ROOT). nullopt when the key cannot be opened for reading, the
    // value does not exist, or its data is longer than `maxBytes`.
    virtual std::optional<RegistryValue> Query_Value(uint32_t root, const std::string& keyName,
                                                     const std::string& valueName, std::size_t maxBytes) = 0;
};

}  // namespace slotpad
