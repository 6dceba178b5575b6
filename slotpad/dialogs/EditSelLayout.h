#pragma once
// The design of the Edit Selection dialog, the starting point of its Form_Resize.

#include "slotpad/dialogs/DialogLayout.h"

namespace slotpad {

extern const FormLayout EditSelLayout;

}  // namespace slotpad
