#pragma once
// The user's number format from the locale settings.

#include <windows.h>

#include "slotpad/platform/NumberFormat.h"

namespace slotpad::win32 {

class Win32NumberFormat : public NumberFormat {
public:
    std::string Decimal_Separator() const override {
        // At most three characters and the terminating NUL.
        char separator[8] = {};
        const int n = GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator);
        return n > 1 ? std::string(separator, n - 1) : std::string(".");
    }
};

}  // namespace slotpad::win32
