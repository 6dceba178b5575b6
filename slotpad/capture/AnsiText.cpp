#include "slotpad/capture/AnsiText.h"

#include <algorithm>

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

namespace {

struct UpperTable {
    unsigned char upper[256];
    UpperTable() {
        for (int c = 0; c < 256; ++c) upper[c] = static_cast<unsigned char>(UpperAnsiChar(static_cast<unsigned char>(c)));
    }
};

// The duplicate test compares a new text against every slot; at 64 KiB a slot that
// takes a table lookup per byte is fifteen times faster than one that takes a call.
const UpperTable kUpper;

}  // namespace

bool EqualIgnoringAnsiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    const auto* p = reinterpret_cast<const unsigned char*>(a.data());
    const auto* q = reinterpret_cast<const unsigned char*>(b.data());
    const auto same = [&](std::size_t i) { return p[i] == q[i] || kUpper.upper[p[i]] == kUpper.upper[q[i]]; };
    // Different texts of one length mostly differ near their end (a counter, a date, a
    // last line): looking there first spares most full scans.
    const std::size_t n = a.size();
    for (std::size_t k = 0; k < std::min<std::size_t>(n, 32); ++k) {
        if (!same(n - 1 - k)) return false;
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (!same(i)) return false;
    }
    return true;
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
