#pragma once
// The Edit Selection dialog's logic: a plain editor of one slot's text and description.
// It keeps its window between uses, so the window keeps the size the user gave it.

#include <optional>
#include <string>

#include "slotpad/dialogs/BoxText.h"
#include "slotpad/platform/EditSelWindow.h"

namespace slotpad {

struct EditedSlot {
    std::string Text;
    std::string Description;

    friend bool operator==(const EditedSlot&, const EditedSlot&) = default;
};

// The larger of a and b.
int Max(int a, int b);

class EditSel : public EditSelEvents {
public:
    explicit EditSel(EditSelWindow& window);

    // What mnuEdit_Click does with the dialog: fill both boxes, show it modally, and give
    // back the boxes' texts when the user closed it with OK. An unchanged box gives back
    // exactly the string it was given.
    std::optional<EditedSlot> Show_Edit(const std::string& text, const std::string& description);

    void OKButton_Click() override;
    void CancelButton_Click() override;
    void Form_Resize() override;
    void TipBack_Resize();
    bool Accepts_Edit(EditSelControl box, const std::string& result) override;

    // Where each control is now, in twips.
    const TwipsRect& Rect(EditSelControl control) const;

    bool OKPressed = false;

private:
    void Place(EditSelControl control, const TwipsRect& rect);

    EditSelWindow& window_;
    TwipsRect rects_[6];
    BoxText editing_{std::string(), true};
    BoxText tip_{std::string(), false};
};

}  // namespace slotpad
