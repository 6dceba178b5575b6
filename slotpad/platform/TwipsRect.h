#pragma once
// Window and control geometry in twips, the unit of the dialogs' design.

namespace slotpad {

// A rectangle relative to the control's container.
struct TwipsRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

}  // namespace slotpad
