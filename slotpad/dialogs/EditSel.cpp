#include "slotpad/dialogs/EditSel.h"

#include "slotpad/dialogs/EditSelLayout.h"

namespace slotpad {

namespace {

constexpr std::string_view Names[] = {"Editing", "TipBack", "Label1", "Tip", "OKButton", "CancelButton"};

std::size_t Index(EditSelControl control) { return static_cast<std::size_t>(control); }

}  // namespace

int Max(int a, int b) { return a > b ? a : b; }

EditSel::EditSel(EditSelWindow& window) : window_(window) {
    for (std::size_t i = 0; i < std::size(Names); ++i) rects_[i] = Find_Control(EditSelLayout, Names[i])->Rect;
}

std::optional<EditedSlot> EditSel::Show_Edit(const std::string& text, const std::string& description) {
    editing_ = BoxText(text, true);
    tip_ = BoxText(description, false);
    window_.Set_Text(EditSelControl::Editing, editing_.Shown());
    window_.Set_Text(EditSelControl::Tip, tip_.Shown());
    // The close box counts as Cancel: only OKButton_Click sets the flag.
    OKPressed = false;
    window_.Show_Modal(*this);
    if (!OKPressed) return std::nullopt;
    return EditedSlot{editing_.Handed_Back(window_.Text(EditSelControl::Editing)),
                      tip_.Handed_Back(window_.Text(EditSelControl::Tip))};
}

void EditSel::OKButton_Click() {
    OKPressed = true;
    window_.Hide();
}

void EditSel::CancelButton_Click() {
    OKPressed = false;
    window_.Hide();
}

void EditSel::Form_Resize() {
    const int SW = window_.Client_Width();
    const int SH = window_.Client_Height();
    TwipsRect editing = Rect(EditSelControl::Editing);
    TwipsRect tipBack = Rect(EditSelControl::TipBack);
    TwipsRect ok = Rect(EditSelControl::OKButton);
    TwipsRect cancel = Rect(EditSelControl::CancelButton);

    editing.Width = SW;
    editing.Height = Max(SH - ok.Height - tipBack.Height - 15, 0);
    tipBack.Top = SH - tipBack.Height - ok.Height - 10;
    tipBack.Width = SW;
    ok.Top = SH - ok.Height - 5;
    cancel.Top = ok.Top;
    cancel.Left = SW - cancel.Width - 5;
    ok.Left = cancel.Left - ok.Width - 5;

    const bool tipBackResized = tipBack.Width != Rect(EditSelControl::TipBack).Width ||
                                tipBack.Height != Rect(EditSelControl::TipBack).Height;
    Place(EditSelControl::Editing, editing);
    Place(EditSelControl::TipBack, tipBack);
    if (tipBackResized) TipBack_Resize();
    Place(EditSelControl::OKButton, ok);
    Place(EditSelControl::CancelButton, cancel);
}

void EditSel::TipBack_Resize() {
    TwipsRect tip = Rect(EditSelControl::Tip);
    tip.Width = Max(Rect(EditSelControl::TipBack).Width - tip.Left, 0);
    Place(EditSelControl::Tip, tip);
}

bool EditSel::Accepts_Edit(EditSelControl box, const std::string& result) {
    const BoxText& text = box == EditSelControl::Tip ? tip_ : editing_;
    return text.Accepts_Edit(window_.Text(box), result);
}

const TwipsRect& EditSel::Rect(EditSelControl control) const { return rects_[Index(control)]; }

void EditSel::Place(EditSelControl control, const TwipsRect& rect) {
    rects_[Index(control)] = rect;
    window_.Place(control, rect);
}

}  // namespace slotpad
