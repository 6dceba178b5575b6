#pragma once
// Conversions between the UTF-8 the program's paths use and the UTF-16 Win32 wants.

#include <string>
#include <string_view>

namespace slotpad::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace slotpad::win32
