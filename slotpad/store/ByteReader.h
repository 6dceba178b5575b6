#pragma once
// Bounds-checked little-endian reading of a settings file held in memory. A read that
// would run past the end fails, leaves its target untouched and makes every later read
// fail too, so a loader can read field after field and keep exactly the fields that
// were complete before the cut.

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace slotpad {

class ByteReader {
public:
    explicit ByteReader(std::string_view Bytes) : Data(Bytes) {}

    bool I16(int16_t& Value) {
        uint16_t Raw = 0;
        if (!U16(Raw)) return false;
        Value = static_cast<int16_t>(Raw);
        return true;
    }

    bool F32(float& Value) {
        if (!Has(4)) return false;
        const auto* P = reinterpret_cast<const unsigned char*>(Data.data() + Pos);
        const uint32_t Raw = uint32_t(P[0]) | uint32_t(P[1]) << 8 | uint32_t(P[2]) << 16 | uint32_t(P[3]) << 24;
        Value = std::bit_cast<float>(Raw);
        Pos += 4;
        return true;
    }

    // A string field: an unsigned 16-bit length, then that many bytes.
    bool Str(std::string& Value) {
        uint16_t Length = 0;
        const size_t Start = Pos;
        if (!U16(Length)) return false;
        if (!Has(Length)) {
            Pos = Start;
            return false;
        }
        Value.assign(Data.data() + Pos, Length);
        Pos += Length;
        return true;
    }

    // Up to Count bytes of fixed-length text; false when fewer were left.
    bool Fixed(size_t Count, std::string& Value) {
        if (!Has(Count)) {
            Value.assign(Data.substr(Pos));
            Pos = Data.size();
            Failed = true;
            return false;
        }
        Value.assign(Data.data() + Pos, Count);
        Pos += Count;
        return true;
    }

    bool Ok() const { return !Failed; }
    size_t Offset() const { return Pos; }

private:
    bool Has(size_t Count) {
        if (Failed || Data.size() - Pos < Count) {
            Failed = true;
            return false;
        }
        return true;
    }

    bool U16(uint16_t& Value) {
        if (!Has(2)) return false;
        const auto* P = reinterpret_cast<const unsigned char*>(Data.data() + Pos);
        Value = static_cast<uint16_t>(P[0] | P[1] << 8);
        Pos += 2;
        return true;
    }

    std::string_view Data;
    size_t Pos = 0;
    bool Failed = false;
};

}  // namespace slotpad
