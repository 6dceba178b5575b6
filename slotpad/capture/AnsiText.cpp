#include "slotpad/capture/AnsiText.h"

namespace slotpad {

char UpperAnsiChar(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 0x20);
    // Latin-1 letters à..þ except ÷ (0xF7), plus the Windows-1252 extras š, œ, ž, ÿ.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char>(c - 0x20);
    switch (c) {
        case 0x9A: return static_cast<char>(0x8A);
        case 0x9C: return static_cast<char>(0x8C);
        case 0x9E: return static_cast<char>(0x8E);
        case 0xFF: return static_cast<char>(0x9F);
        default: return static_cast<char>(c);
    }
}

std::string UpperAnsi(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = UpperAnsiChar(static_cast<unsigned char>(c));
    return upper;
}

std::string DescriptionOf(std::string_view text) {
    std::string_view line = text.substr(0, text.find("\r\n"));
    const auto first = line.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = line.find_last_not_of(' ');
    return std::string(line.substr(first, last - first + 1));
}

}  // namespace slotpad
