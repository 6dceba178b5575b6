#pragma once
// Text helpers for the 8-bit (ANSI) strings the clipboard gives us.

#include <cstddef>
#include <string>
#include <string_view>

#include "slotpad/platform/AnsiCodePage.h"

namespace slotpad {

// Letter case of one ANSI code page, as a table built once at start: the duplicate test
// compares a new text against every slot, and at 64 KiB a slot that takes a table lookup
// per byte is fifteen times faster than one that takes a call.
class AnsiCaseFold {
public:
    // Windows-1252, the code page of Western systems.
    AnsiCaseFold();
    // Any code page, from the system's own upper-casing of each byte.
    explicit AnsiCaseFold(const AnsiCodePage& codePage);

    unsigned CodePage() const { return codePage_; }

    // The two texts are equal once both are upper-cased. The second byte of a two-byte
    // character is never folded: in code page 932 "88 61" and "88 41" are different
    // characters, not one in two cases.
    bool Equal(std::string_view a, std::string_view b) const;

    // Upper-case form of a string, as the system's own case mapping gives it for the
    // code page (accented letters included, two-byte characters as they are).
    std::string Upper(std::string_view text) const;

private:
    alignas(64) unsigned char upper_[256];
    bool lead_[256];
    unsigned codePage_ = 1252;
    bool hasLeadBytes_ = false;
};

// Upper-case form of one Windows-1252 character.
char UpperAnsiChar(unsigned char c);

// The tool tip description for a new text element: the part before the first CR LF
// pair, or the whole text when it holds none, without leading and trailing spaces.
std::string DescriptionOf(std::string_view text);

}  // namespace slotpad
