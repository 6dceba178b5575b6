#pragma once
// The design of the About box.

#include "slotpad/dialogs/DialogLayout.h"

namespace slotpad {

extern const FormLayout AboutLayout;

}  // namespace slotpad
