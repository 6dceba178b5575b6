#include "slotpad/dialogs/FontCaption.h"

#include <charconv>
#include <cmath>

namespace slotpad {

std::string Size_Text(float size, std::string_view decimalSeparator) {
    char digits[64];
    std::to_chars_result result{};
    // Fixed notation keeps sizes such as 1E+07 readable; seven significant digits are
    // what a single-precision number holds, so 10.3f reads 10.3 and not 10.30000019.
    if (std::isfinite(size) && std::fabs(size) < 1e7f && std::fabs(size) >= 1e-4f)
        result = std::to_chars(digits, digits + sizeof digits, size, std::chars_format::general, 7);
    else
        result = std::to_chars(digits, digits + sizeof digits, size);
    std::string text(digits, result.ptr);
    const auto point = text.find('.');
    if (point != std::string::npos) text.replace(point, 1, decimalSeparator);
    return text;
}

std::string Font_Caption(std::string_view faceName, float size, std::string_view decimalSeparator) {
    std::string caption(faceName);
    caption += " (";
    caption += Size_Text(size, decimalSeparator);
    caption += ")";
    return caption;
}

}  // namespace slotpad
