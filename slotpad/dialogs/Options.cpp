#include "slotpad/dialogs/Options.h"

#include "slotpad/dialogs/FontCaption.h"

namespace slotpad {

namespace {

int16_t Vb_Bool(bool value) { return value ? VB_TRUE : VB_FALSE; }

}  // namespace

OptionValues Option_Values_Of(const Settings& settings) {
    return {settings.AddMode,  settings.DelWarn,   settings.IgnoreCase,
            settings.TextFont, settings.PrintDesc, settings.DescFont};
}

void Apply_Option_Values(const OptionValues& values, Settings& settings) {
    settings.AddMode = values.AddMode;
    settings.DelWarn = values.DelWarn;
    settings.IgnoreCase = values.IgnoreCase;
    settings.TextFont = values.TextFont;
    settings.PrintDesc = values.PrintDesc;
    settings.DescFont = values.DescFont;
}

FontFace Face_Of(const FontSpec& stored) {
    return {stored.Name, stored.Size, stored.Bold != VB_FALSE, stored.Italic != VB_FALSE, stored.Underline != VB_FALSE};
}

FontSpec Spec_Of(const FontFace& face) {
    return {face.Name, face.Size, Vb_Bool(face.Bold), Vb_Bool(face.Italic), Vb_Bool(face.Underline)};
}

Options::Options(OptionsWindow& window, FontChooser& chooser, const NumberFormat& numbers)
    : window_(window), chooser_(chooser), numbers_(numbers) {}

std::optional<OptionValues> Options::Show_Options(const OptionValues& current) {
    Fill_Controls(current);
    // The close box counts as Cancel: only OKButton_Click sets the flag.
    OKPressed = false;
    window_.Show_Modal(*this);
    if (!OKPressed) return std::nullopt;
    return Read_Controls();
}

void Options::Fill_Controls(const OptionValues& values) {
    window_.Set_News(values.AddMode == POS_TOP ? 0 : values.AddMode == POS_BOTTOM ? 1 : 2);
    window_.Set_Check(OptionsCheckBox::cDelWarn, values.DelWarn != VB_FALSE ? 1 : 0);
    // Capture ignores case exactly when the setting is 1, and a check box holds only 1
    // or 0, so a stray value from the file shows (and is kept) as off.
    window_.Set_Check(OptionsCheckBox::cCase, values.IgnoreCase == 1 ? 1 : 0);
    Set_Label_Font(OptionsFontLabel::FontLabel, Face_Of(values.TextFont));
    window_.Set_Check(OptionsCheckBox::cToolTip, values.PrintDesc != VB_FALSE ? 1 : 0);
    window_.Set_Description_Row_Enabled(window_.Check(OptionsCheckBox::cToolTip) == 1);
    Set_Label_Font(OptionsFontLabel::ToolLabel, Face_Of(values.DescFont));
}

OptionValues Options::Read_Controls() const {
    OptionValues values;
    const int news = window_.News();
    values.AddMode = news == 0 ? POS_TOP : news == 1 ? POS_BOTTOM : PLACE_NEXT;
    values.DelWarn = Vb_Bool(window_.Check(OptionsCheckBox::cDelWarn) == 1);
    values.IgnoreCase = static_cast<int16_t>(window_.Check(OptionsCheckBox::cCase) == 1 ? 1 : 0);
    values.TextFont = Spec_Of(window_.Label_Font(OptionsFontLabel::FontLabel));
    values.PrintDesc = Vb_Bool(window_.Check(OptionsCheckBox::cToolTip) == 1);
    values.DescFont = Spec_Of(window_.Label_Font(OptionsFontLabel::ToolLabel));
    return values;
}

void Options::OKButton_Click() {
    OKPressed = true;
    window_.Hide();
}

void Options::CancelButton_Click() {
    OKPressed = false;
    window_.Hide();
}

void Options::FontButton_Click() { Change_Label_Font(OptionsFontLabel::FontLabel); }

void Options::ToolButton_Click() { Change_Label_Font(OptionsFontLabel::ToolLabel); }

void Options::cToolTip_Click() {
    window_.Set_Description_Row_Enabled(window_.Check(OptionsCheckBox::cToolTip) == 1);
}

void Options::Change_Label_Font(OptionsFontLabel label) {
    const std::optional<FontFace> chosen = chooser_.Choose_Font(window_.Label_Font(label));
    if (!chosen) return;
    Set_Label_Font(label, *chosen);
}

// The caption names the font the label really shows, so it is read back after setting.
void Options::Set_Label_Font(OptionsFontLabel label, const FontFace& font) {
    window_.Set_Label_Font(label, font);
    const FontFace shown = window_.Label_Font(label);
    window_.Set_Label_Caption(label, Font_Caption(shown.Name, shown.Size, numbers_.Decimal_Separator()));
}

}  // namespace slotpad
