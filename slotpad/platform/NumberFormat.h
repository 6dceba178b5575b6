#pragma once
// The user's number format, for numbers the program shows.

#include <string>

namespace slotpad {

class NumberFormat {
public:
    virtual ~NumberFormat() = default;
    // The decimal separator of the user's locale: "." or "," or any short text.
    virtual std::string Decimal_Separator() const = 0;
};

}  // namespace slotpad
