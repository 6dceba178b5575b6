#include "slotpad/dialogs/AboutLayout.h"

namespace slotpad {

namespace {

using K = ControlKind;

// picIcon shows the program's icon resource. The two lines draw an etched separator: a
// gray one and, one step lower and right, a white one two pixels wide. The label
// captions are the design-time ones; Form_Load replaces them.
constexpr ControlLayout Controls[] = {
    {"picIcon", K::PictureBox, "", "", {240, 240, 540, 540}, 1},
    {"lblTitle", K::Label, "Application Title", "", {1050, 240, 3885, 480}, 5},
    {"lblVersion", K::Label, "Version", "", {1050, 780, 3885, 225}, 6},
    {"lblDescription", K::Label, "App Description", "", {1050, 1125, 3885, 1170}, 3},
    {"Line1(1)", K::Line, "", "", {90, 2445, 5654, 2445}, NO_TAB_STOP, true, false, false, false, 0x808080, 1},
    {"Line1(0)", K::Line, "", "", {105, 2460, 5654, 2460}, NO_TAB_STOP, true, false, false, false, 0xFFFFFF, 2},
    {"lblDisclaimer", K::Label, "Warning: ...", "", {255, 2625, 3870, 825}, 4},
    {"cmdOK", K::CommandButton, "OK", "", {4245, 2625, 1260, 345}, 0, true, true, true},
    {"cmdSysInfo", K::CommandButton, "&System Info...", "", {4260, 3075, 1245, 345}, 2},
};

}  // namespace

const FormLayout AboutLayout = {
    "frmAbout", "About MyApp", 5730, 3555, FormBorder::FixedDialog, false, false, false, Controls,
};

}  // namespace slotpad
