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

AnsiCaseFold::AnsiCaseFold() {
    for (int c = 0; c < 256; ++c) {
        upper_[c] = static_cast<unsigned char>(UpperAnsiChar(static_cast<unsigned char>(c)));
        lead_[c] = false;
    }
}

AnsiCaseFold::AnsiCaseFold(const AnsiCodePage& codePage) : codePage_(codePage.Id()) {
    for (int c = 0; c < 256; ++c) {
        lead_[c] = codePage.IsLeadByte(static_cast<unsigned char>(c));
        hasLeadBytes_ = hasLeadBytes_ || lead_[c];
    }
    for (int c = 0; c < 256; ++c) {
        const auto byte = static_cast<unsigned char>(c);
        const unsigned char upper = lead_[c] ? byte : codePage.UpperOf(byte);
        // A lead byte stands for itself, so that Equal can tell it from any other byte
        // by its folded value alone.
        upper_[c] = lead_[upper] ? byte : upper;
    }
}

bool AnsiCaseFold::Equal(std::string_view a, std::string_view b) const {
    if (a.size() != b.size()) return false;
    const auto* p = reinterpret_cast<const unsigned char*>(a.data());
    const auto* q = reinterpret_cast<const unsigned char*>(b.data());
    const unsigned char* upper = upper_;
    const bool* lead = lead_;
    const auto same = [p, q, upper](std::size_t i) { return p[i] == q[i] || upper[p[i]] == upper[q[i]]; };
    // Different texts of one length mostly differ near their end (a counter, a date, a
    // last line): looking there first spares most full scans. Two bytes that differ even
    // when folded differ whatever character they belong to.
    const std::size_t n = a.size();
    for (std::size_t k = 0; k < std::min<std::size_t>(n, 32); ++k) {
        if (!same(n - 1 - k)) return false;
    }
    if (!hasLeadBytes_) {
        for (std::size_t i = 0; i < n; ++i) {
            if (!same(i)) return false;
        }
        return true;
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (p[i] != q[i]) {
            // Lead bytes fold only to themselves, so bytes that differ and fold alike are
            // two one-byte characters.
            if (upper[p[i]] != upper[q[i]]) return false;
        } else if (lead[p[i]] && i + 1 < n) {
            ++i;
            if (p[i] != q[i]) return false;
        }
    }
    return true;
}

std::string AnsiCaseFold::Upper(std::string_view text) const {
    std::string upper(text);
    for (std::size_t i = 0; i < upper.size(); ++i) {
        const auto c = static_cast<unsigned char>(upper[i]);
        if (lead_[c]) {
            ++i;  // the trail byte stays as it is
        } else {
            upper[i] = static_cast<char>(upper_[c]);
        }
    }
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
