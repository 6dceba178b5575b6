#pragma once
// Conversions between the UTF-8 the programs keep their text in and the UTF-16 Win32 wants.

#include <string>
#include <string_view>

namespace foundation {

std::wstring Widen(std::string_view utf8);
// Like Widen, but false (and `utf16` empty) for text that is not valid UTF-8: a path
// must never be opened after a silent substitution of characters.
bool WidenStrictly(std::string_view utf8, std::wstring& utf16);
std::string Narrow(std::wstring_view utf16);

}  // namespace foundation
