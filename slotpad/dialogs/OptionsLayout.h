#pragma once
// The design of the Options dialog.

#include "slotpad/dialogs/DialogLayout.h"

namespace slotpad {

extern const FormLayout OptionsLayout;

inline constexpr std::string_view OPTIONS_LABEL1_TEXT =
    "When a new text element is introduced to the clipboard, SlotPad will first check for blank slots. "
    "If there is no blank slots, then add the new clipboard element following the rule:";

}  // namespace slotpad
