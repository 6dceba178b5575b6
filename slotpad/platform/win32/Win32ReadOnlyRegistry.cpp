#include "slotpad/platform/win32/Win32ReadOnlyRegistry.h"

#include <windows.h>

#include <vector>

#include "win32/Handles.h"

namespace slotpad::win32 {

namespace {

using foundation::UniqueKey;

// The predefined keys are 32-bit values that a 64-bit HKEY holds sign-extended.
HKEY Root_Key(uint32_t root) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<LONG>(root))));
}

}  // namespace

std::optional<RegistryValue> Win32ReadOnlyRegistry::Query_Value(uint32_t root, const std::string& keyName,
                                                                const std::string& valueName,
                                                                std::size_t maxBytes) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(Root_Key(root), keyName.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return std::nullopt;
    const UniqueKey key(opened);
    std::vector<BYTE> buffer(maxBytes + 1);
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(maxBytes);
    // Data longer than maxBytes fails with ERROR_MORE_DATA, as it should.
    if (RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type, buffer.data(), &size) != ERROR_SUCCESS)
        return std::nullopt;
    if (size > maxBytes) return std::nullopt;
    return RegistryValue{type, std::string(reinterpret_cast<const char*>(buffer.data()), size)};
}

}  // namespace slotpad::win32
