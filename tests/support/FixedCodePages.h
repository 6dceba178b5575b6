#pragma once
// Code pages 1251 (Cyrillic) and 932 (Japanese) as the system describes them, written
// out from their known letters, for testing case folding without the system.

#include <utility>

#include "slotpad/platform/AnsiCodePage.h"

namespace slotpad::testing {

class CyrillicCodePage final : public AnsiCodePage {
public:
    unsigned Id() const override { return 1251; }
    bool IsLeadByte(unsigned char) const override { return false; }
    unsigned char UpperOf(unsigned char c) const override {
        if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 0x20);
        if (c >= 0xE0) return static_cast<unsigned char>(c - 0x20);  // а..я
        // ђ ѓ љ њ ќ ћ џ ў ј ґ ё є ѕ і ї
        static constexpr std::pair<unsigned char, unsigned char> kPairs[] = {
            {0x90, 0x80}, {0x83, 0x81}, {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9D, 0x8D}, {0x9E, 0x8E},
            {0x9F, 0x8F}, {0xA2, 0xA1}, {0xBC, 0xA3}, {0xB4, 0xA5}, {0xB8, 0xA8}, {0xBA, 0xAA},
            {0xBE, 0xBD}, {0xB3, 0xB2}, {0xBF, 0xAF}};
        for (const auto& [lower, upper] : kPairs) {
            if (c == lower) return upper;
        }
        return c;
    }
};

class JapaneseCodePage final : public AnsiCodePage {
public:
    unsigned Id() const override { return 932; }
    bool IsLeadByte(unsigned char c) const override { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
    // Only ASCII letters have case among the one-byte characters; the half-width
    // katakana (A1..DF) have none.
    unsigned char UpperOf(unsigned char c) const override {
        return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 0x20) : c;
    }
};

}  // namespace slotpad::testing
