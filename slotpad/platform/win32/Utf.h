#pragma once
// The program's code names the conversions as its own; they live in the foundation.

#include "win32/Utf.h"

namespace slotpad::win32 {

using foundation::Narrow;
using foundation::Widen;
using foundation::WidenStrictly;

}  // namespace slotpad::win32
