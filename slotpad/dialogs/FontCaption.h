#pragma once
// The caption of a font sample: "Face (size)".

#include <string>
#include <string_view>

namespace slotpad {

// The size as decimal text without trailing zeros, to single precision (seven
// significant digits), with `decimalSeparator` in place of the point: 10 -> "10",
// 10.5 -> "10.5".
std::string Size_Text(float size, std::string_view decimalSeparator);
std::string Font_Caption(std::string_view faceName, float size, std::string_view decimalSeparator);

}  // namespace slotpad
