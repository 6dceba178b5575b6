#include "slotpad/dialogs/DialogLayout.h"

namespace slotpad {

PixelRect To_Pixels(const TwipsRect& rect, int twipsPerPixelX, int twipsPerPixelY) {
    return {Twips_To_Pixels(rect.Left, twipsPerPixelX), Twips_To_Pixels(rect.Top, twipsPerPixelY),
            Twips_To_Pixels(rect.Left + rect.Width, twipsPerPixelX),
            Twips_To_Pixels(rect.Top + rect.Height, twipsPerPixelY)};
}

const ControlLayout* First_Focus(const FormLayout& form) {
    const ControlLayout* first = nullptr;
    for (const ControlLayout& control : form.Controls) {
        if (control.TabOrder == NO_TAB_STOP || !control.Enabled) continue;
        switch (control.Kind) {
            case ControlKind::Frame:
            case ControlKind::Label:
            case ControlKind::BorderedLabel:
            case ControlKind::PictureBox:
            case ControlKind::Line:
                continue;
            default:
                break;
        }
        if (!first || control.TabOrder < first->TabOrder) first = &control;
    }
    return first;
}

const ControlLayout* Find_Control(const FormLayout& form, std::string_view name) {
    for (const ControlLayout& control : form.Controls)
        if (control.Name == name) return &control;
    return nullptr;
}

}  // namespace slotpad
