#include "tests/bench/capture/BenchTexts.h"

#include <cstdint>
#include <cstdio>

namespace slotpad::bench {

namespace {

std::string SerialTag(int serial) {
    char tag[16];
    std::snprintf(tag, sizeof(tag), "#%08d", serial);
    return tag;
}

bool UpperAt(std::size_t position, int serial) {
    std::uint32_t h = static_cast<std::uint32_t>(position) * 0x9E3779B1u ^ static_cast<std::uint32_t>(serial) * 0x85EBCA77u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return (h & 1u) != 0;
}

}  // namespace

std::string ShortText(int serial) { return "SlotPad capture benchmark, text " + SerialTag(serial); }

std::string LongText(int serial, char kind, std::size_t length) {
    constexpr std::size_t kLine = 64;  // 62 characters and CR LF
    const std::string tail = "\r\n" + std::string(1, kind) + SerialTag(serial);
    std::string text(length > tail.size() ? length - tail.size() : 0, ' ');
    for (std::size_t p = 0; p < text.size(); ++p) {
        const std::size_t column = p % kLine;
        if (column == kLine - 2) {
            text[p] = '\r';
        } else if (column == kLine - 1) {
            text[p] = '\n';
        } else if (column % 7 != 6) {
            const char letter = static_cast<char>('a' + (p * 11 + p / kLine) % 26);
            text[p] = UpperAt(p, serial) ? static_cast<char>(letter - 'a' + 'A') : letter;
        }
    }
    text += tail;
    return text.substr(text.size() > length ? text.size() - length : 0);
}

}  // namespace slotpad::bench
