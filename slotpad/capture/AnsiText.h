#pragma once
// Text helpers for the 8-bit (Windows-1252) strings the clipboard gives us.

#include <cstddef>
#include <string>
#include <string_view>

namespace slotpad {

// Upper-case form of one Windows-1252 character.
char UpperAnsiChar(unsigned char c);

// The two texts are equal once both are upper-cased.
bool EqualIgnoringAnsiCase(std::string_view a, std::string_view b);

// Upper-case form of a Windows-1252 string, as the system's own case mapping gives it
// for that code page (accented letters included).
std::string UpperAnsi(std::string_view text);

// The tool tip description for a new text element: the part before the first CR LF
// pair, or the whole text when it holds none, without leading and trailing spaces.
std::string DescriptionOf(std::string_view text);

}  // namespace slotpad
