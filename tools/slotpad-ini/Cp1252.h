#pragma once
// Windows-1252, the ANSI code page the slots' text is stored in, to UTF-8.

#include <string>
#include <string_view>

namespace slotpad {

// The five bytes that Windows-1252 leaves undefined (81, 8D, 8F, 90, 9D) become the C1
// control characters of the same value, so that every byte is shown and none is lost.
std::string Cp1252_To_Utf8(std::string_view Ansi);

}  // namespace slotpad
