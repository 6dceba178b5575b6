#pragma once
// Little-endian writing of the settings file into memory.

#include <algorithm>
#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

namespace slotpad {

// The length prefix is an unsigned 16-bit number, so no string field holds more.
inline constexpr size_t MAX_STRING_FIELD = 65535;

class ByteWriter {
public:
    explicit ByteWriter(std::string& Out) : Bytes(Out) {}

    void I16(int16_t Value) { U16(static_cast<uint16_t>(Value)); }

    void F32(float Value) {
        const uint32_t Raw = std::bit_cast<uint32_t>(Value);
        const char B[4] = {char(Raw & 0xFF), char(Raw >> 8 & 0xFF), char(Raw >> 16 & 0xFF), char(Raw >> 24 & 0xFF)};
        Bytes.append(B, 4);
    }

    // Longer strings are cut, so that the file always reads back as it was written.
    void Str(std::string_view Value) {
        const size_t Length = std::min(Value.size(), MAX_STRING_FIELD);
        U16(static_cast<uint16_t>(Length));
        Bytes.append(Value.data(), Length);
    }

    void Fixed(std::string_view Value) { Bytes.append(Value); }

    static size_t Str_Size(std::string_view Value) { return 2 + std::min(Value.size(), MAX_STRING_FIELD); }

private:
    void U16(uint16_t Value) {
        const char B[2] = {char(Value & 0xFF), char(Value >> 8)};
        Bytes.append(B, 2);
    }

    std::string& Bytes;
};

}  // namespace slotpad
