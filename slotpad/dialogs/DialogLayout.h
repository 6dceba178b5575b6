#pragma once
// The design of a dialog as data: its form and every control with kind, caption,
// container, rectangle in twips, tab order and initial state. The window code creates
// the real windows from these tables; the conversion to pixels takes the screen's
// twips per pixel, never a fixed 15.

#include <span>
#include <string_view>

#include "slotpad/platform/DrawingSurface.h"
#include "slotpad/platform/TwipsRect.h"

namespace slotpad {

enum class ControlKind {
    Frame,
    Label,
    BorderedLabel,  // a label with a single-line border
    CheckBox,
    OptionButton,
    CommandButton,
    TextBox,
    MultiLineTextBox,  // with both scroll bars; Enter makes a new line
    PictureBox,
    Line,
};

inline constexpr int NO_TAB_STOP = -1;

struct ControlLayout {
    std::string_view Name;  // "News(0)" for a member of a control array
    ControlKind Kind;
    std::string_view Caption;    // empty when set at run time or none
    std::string_view Container;  // "" for the form itself
    TwipsRect Rect;              // for a Line: Left/Top is one end, Width/Height the other end's X/Y
    int TabOrder = NO_TAB_STOP;
    bool Enabled = true;
    bool Cancel = false;   // pressed by Esc
    bool Default = false;  // pressed by Enter
    bool GroupStart = false;  // first member of an option group
    unsigned LineColor = 0;   // 0x00RRGGBB, lines only
    int LineWidthPixels = 0;  // lines only
};

enum class FormBorder { FixedDialog, Sizable };

struct FormLayout {
    std::string_view Name;
    std::string_view Caption;
    int ClientWidth;  // twips
    int ClientHeight;
    FormBorder Border;
    bool MinMaxButtons;
    bool ShowInTaskbar;
    bool OwnedByMain;  // owned by the main window (false: no owner named)
    std::span<const ControlLayout> Controls;
};

// Each edge converts on its own, so controls that meet in twips meet in pixels too.
PixelRect To_Pixels(const TwipsRect& rect, int twipsPerPixelX, int twipsPerPixelY);

// The control that has the focus when the dialog first opens: the lowest tab order.
const ControlLayout* First_Focus(const FormLayout& form);
const ControlLayout* Find_Control(const FormLayout& form, std::string_view name);

}  // namespace slotpad
