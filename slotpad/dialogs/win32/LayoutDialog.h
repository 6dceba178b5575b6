#pragma once
// Real windows from a dialog design: an empty in-memory dialog template for the form,
// then one child window per control, made in tab order so that the dialog manager's
// Tab walk and the painting order follow the design.

#include <windows.h>

#include <string_view>
#include <vector>

#include "slotpad/dialogs/DialogLayout.h"

namespace slotpad::win32 {

// A DLGTEMPLATE with the form's caption and border, the dialog font and no controls;
// the controls and the client size come from Create_Controls. WORD-aligned storage.
std::vector<WORD> Empty_Dialog_Template(const FormLayout& form);

// The identifier of the control at `index` of the design; Esc's IDCANCEL goes to the
// cancel button and Enter's IDOK to the default one, so those get the standard ids.
int Control_Id(const FormLayout& form, std::size_t index);

// The control's rectangle in the dialog's client pixels: its position in twips is
// relative to its container, which may be inside another.
PixelRect Client_Pixels(const FormLayout& form, const ControlLayout& control, int twipsPerPixelX,
                        int twipsPerPixelY);

// Sizes the dialog's client area and creates every control but the lines; the handles
// come back in the order of form.Controls (null for a line).
std::vector<HWND> Create_Controls(HWND dialog, const FormLayout& form, int twipsPerPixelX, int twipsPerPixelY);

HWND Control_Window(const FormLayout& form, const std::vector<HWND>& windows, std::string_view name);

}  // namespace slotpad::win32
