#pragma once
// The Options dialog's window as its logic sees it. The window holds the working state
// (which option button is on, the check boxes, the labels' fonts); the logic fills it,
// reacts to its events and reads it back.

#include <string>

#include "slotpad/platform/FontChooser.h"

namespace slotpad {

enum class OptionsCheckBox { cDelWarn, cCase, cToolTip };
enum class OptionsFontLabel { FontLabel, ToolLabel };

// What the window reports to the logic; each call comes from the window's own message
// handling while Show_Modal runs.
class OptionsEvents {
public:
    virtual ~OptionsEvents() = default;
    virtual void OKButton_Click() = 0;
    // Also Esc and the close box.
    virtual void CancelButton_Click() = 0;
    virtual void FontButton_Click() = 0;
    virtual void ToolButton_Click() = 0;
    // After the click has changed the box's value.
    virtual void cToolTip_Click() = 0;
};

class OptionsWindow {
public:
    virtual ~OptionsWindow() = default;
    // The option group News: exactly one of News(0), News(1), News(2) is on.
    virtual void Set_News(int index) = 0;
    virtual int News() const = 0;
    // Check box values, 1 ticked and 0 clear.
    virtual void Set_Check(OptionsCheckBox box, int value) = 0;
    virtual int Check(OptionsCheckBox box) const = 0;
    // A sample label's font; reading it back gives the font the label actually shows,
    // which may differ from the one set (a size the face lacks, a missing face).
    virtual void Set_Label_Font(OptionsFontLabel label, const FontFace& font) = 0;
    virtual FontFace Label_Font(OptionsFontLabel label) const = 0;
    virtual void Set_Label_Caption(OptionsFontLabel label, const std::string& caption) = 0;
    // Enables or greys out ToolLabel, ToolButton and DescLabel together.
    virtual void Set_Description_Row_Enabled(bool enabled) = 0;
    // Shows the dialog modally, owned by the main window, with CancelButton focused;
    // returns once the dialog is hidden, its events going to `events` meanwhile. The
    // window is created at the first call and stays (hidden) afterwards.
    virtual void Show_Modal(OptionsEvents& events) = 0;
    virtual void Hide() = 0;
};

}  // namespace slotpad
