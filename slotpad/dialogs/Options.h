#pragma once
// The Options dialog's logic: filling its controls from the settings, its events, and
// reading the controls back after OK. The dialog never touches the settings itself.

#include <cstdint>
#include <optional>

#include "slotpad/platform/FontChooser.h"
#include "slotpad/platform/NumberFormat.h"
#include "slotpad/platform/OptionsWindow.h"
#include "slotpad/store/Settings.h"

namespace slotpad {

// The settings that the dialog edits, in the order they are written back.
struct OptionValues {
    int16_t AddMode = PLACE_NEXT;
    int16_t DelWarn = VB_TRUE;
    int16_t IgnoreCase = 1;
    FontSpec TextFont;
    int16_t PrintDesc = VB_TRUE;
    FontSpec DescFont;

    friend bool operator==(const OptionValues&, const OptionValues&) = default;
};

OptionValues Option_Values_Of(const Settings& settings);
void Apply_Option_Values(const OptionValues& values, Settings& settings);

FontFace Face_Of(const FontSpec& stored);
FontSpec Spec_Of(const FontFace& face);

class Options : public OptionsEvents {
public:
    Options(OptionsWindow& window, FontChooser& chooser, const NumberFormat& numbers);

    // What mnuOptions_Click does with the dialog: fill every control, show it modally,
    // and give back the controls' values when the user closed it with OK; nullopt after
    // Cancel, Esc or the close box.
    std::optional<OptionValues> Show_Options(const OptionValues& current);

    void Fill_Controls(const OptionValues& values);
    OptionValues Read_Controls() const;

    void OKButton_Click() override;
    void CancelButton_Click() override;
    void FontButton_Click() override;
    void ToolButton_Click() override;
    void cToolTip_Click() override;

    bool OKPressed = false;

private:
    void Change_Label_Font(OptionsFontLabel label);
    void Set_Label_Font(OptionsFontLabel label, const FontFace& font);

    OptionsWindow& window_;
    FontChooser& chooser_;
    const NumberFormat& numbers_;
};

}  // namespace slotpad
