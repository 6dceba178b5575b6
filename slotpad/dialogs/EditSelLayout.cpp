#include "slotpad/dialogs/EditSelLayout.h"

namespace slotpad {

namespace {

using K = ControlKind;

// TipBack is a plain strip without a border, so its inner width is its width.
constexpr ControlLayout Controls[] = {
    {"Editing", K::MultiLineTextBox, "", "", {0, 0, 4695, 1575}, 0},
    {"TipBack", K::PictureBox, "", "", {0, 2040, 4695, 375}, 3},
    {"Label1", K::Label, "Tool Tip Description:", "TipBack", {60, 60, 1575, 255}, 4},
    {"Tip", K::TextBox, "", "TipBack", {1680, 0, 3015, 375}, 5},
    {"OKButton", K::CommandButton, "&Ok", "", {2400, 2760, 975, 375}, 1},
    {"CancelButton", K::CommandButton, "&Cancel", "", {3600, 2760, 975, 375}, 2, true, true},
};

}  // namespace

const FormLayout EditSelLayout = {
    "EditSel", "Edit Selection", 4710, 3195, FormBorder::Sizable, true, false, true, Controls,
};

}  // namespace slotpad
