#pragma once
// The system's font dialog (ChooseFont) for the print fonts: screen fonts, and the
// default printer's when there is one; no effects section.

#include "slotpad/platform/FontChooser.h"

namespace slotpad::win32 {

class Win32FontChooser : public FontChooser {
public:
    // The dialog is owned by the window active when it opens: the dialog whose button
    // opened it.
    std::optional<FontFace> Choose_Font(const FontFace& initial) override;
};

}  // namespace slotpad::win32
