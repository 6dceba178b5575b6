#include "slotpad/dialogs/OptionsLayout.h"

namespace slotpad {

namespace {

using K = ControlKind;

// Frames come before what they hold, so that a container always exists first.
constexpr ControlLayout Controls[] = {
    {"Frame2", K::Frame, "Program Options", "", {120, 120, 3615, 975}, 7},
    {"cDelWarn", K::CheckBox, "Warn before deleting or clearing locked slot", "Frame2", {120, 240, 3375, 255}, 8},
    {"cCase", K::CheckBox, "Ignore Case", "Frame2", {120, 600, 1215, 255}, 9},
    {"Frame1", K::Frame, "New Clipboard Elements", "", {120, 1200, 3615, 2175}, 2},
    {"Label1", K::Label, OPTIONS_LABEL1_TEXT, "Frame1", {120, 240, 3375, 855}, 6},
    {"News(0)", K::OptionButton, "Add to Top of List", "Frame1", {240, 1080, 1695, 255}, 3, true, false, false,
     true},
    {"News(1)", K::OptionButton, "Add to Bottom of List", "Frame1", {240, 1440, 1815, 255}, 4},
    {"News(2)", K::OptionButton, "Add to Next Available (Unlocked) Slot", "Frame1", {240, 1800, 3135, 255}, 5},
    {"Frame3", K::Frame, "Printing Options", "", {3840, 120, 3615, 3255}, 10},
    {"cToolTip", K::CheckBox, "Print Tool Tip Description", "Frame3", {120, 360, 2175, 255}, 15},
    {"DescLabel", K::Label, "Tool Tip Description Font", "Frame3", {120, 720, 2415, 255}, 17},
    {"ToolLabel", K::BorderedLabel, "", "Frame3", {120, 1080, 2415, 615}, 14},
    {"ToolButton", K::CommandButton, "Change", "Frame3", {2640, 1080, 855, 375}, 13},
    {"Labels", K::Label, "Text Element Font (For Printing)", "Frame3", {120, 2040, 2415, 255}, 16},
    {"FontLabel", K::BorderedLabel, "", "Frame3", {120, 2400, 2415, 615}, 12},
    {"FontButton", K::CommandButton, "Change", "Frame3", {2640, 2400, 855, 375}, 11},
    {"OKButton", K::CommandButton, "&Ok", "", {5400, 3480, 975, 375}, 1},
    {"CancelButton", K::CommandButton, "&Cancel", "", {6480, 3480, 975, 375}, 0, true, true},
};

}  // namespace

const FormLayout OptionsLayout = {
    "Options", "SlotPad Options", 7575, 3975, FormBorder::FixedDialog, false, false, true, Controls,
};

}  // namespace slotpad
