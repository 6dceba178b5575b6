#include "tools/slotpad-ini/Cp1252.h"

#include <cstdint>

namespace slotpad {

namespace {

// Code points of bytes 80 to 9F; the rest of the page equals Latin-1.
constexpr char16_t BYTES_80_TO_9F[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void Append_Utf8(std::string& Out, char16_t Code) {
    if (Code < 0x80) {
        Out += static_cast<char>(Code);
    } else if (Code < 0x800) {
        Out += static_cast<char>(0xC0 | Code >> 6);
        Out += static_cast<char>(0x80 | (Code & 0x3F));
    } else {
        Out += static_cast<char>(0xE0 | Code >> 12);
        Out += static_cast<char>(0x80 | (Code >> 6 & 0x3F));
        Out += static_cast<char>(0x80 | (Code & 0x3F));
    }
}

}  // namespace

std::string Cp1252_To_Utf8(std::string_view Ansi) {
    std::string Out;
    Out.reserve(Ansi.size() + Ansi.size() / 4);
    for (const char C : Ansi) {
        const auto Byte = static_cast<uint8_t>(C);
        Append_Utf8(Out, Byte >= 0x80 && Byte < 0xA0 ? BYTES_80_TO_9F[Byte - 0x80] : char16_t(Byte));
    }
    return Out;
}

}  // namespace slotpad
