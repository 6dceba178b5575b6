// The slot commands of the pop-up menu and the keys. Each acts on the slot that was
// current when it began: capture is held back while it asks or edits, and whatever was
// copied meanwhile is captured once the command has applied its result.

#include "slotpad/main/MainForm.h"
#include "slotpad/main/PrintSlot.h"

namespace slotpad {

namespace {

constexpr const char* kConfirmClearPrompt = "Are you sure you want to clear this locked buffer?";
constexpr const char* kConfirmClearTitle = "Confirm Clear";
constexpr const char* kConfirmDeletePrompt = "Are you sure you want to delete this locked buffer?";
constexpr const char* kConfirmDeleteTitle = "Confirm Delete";

}  // namespace

bool MainForm::Confirm(const std::string& prompt, const std::string& title) {
    HeldCapture::Scope box(held_);
    return sys_.Boxes.Confirm(prompt, title);
}

void MainForm::mnuAdd_Click() {
    book_.Add_Slot();  // a full list simply adds nothing
}

void MainForm::mnuCopy_Click() { book_.Copy_Slot(book_.CurSlot()); }

void MainForm::mnuClear_Click() {
    HeldCapture::Scope command(held_);
    const int16_t node = book_.CurSlot();
    if (!SlotList::Is_Node(node)) return;
    const bool ask = book_.CurrentSettings().DelWarn != VB_FALSE && book_.Record(node).Locked != VB_FALSE;
    if (ask && !Confirm(kConfirmClearPrompt, kConfirmClearTitle)) return;
    SlotBook::ChangeBatch oneRepaint(book_);
    book_.Clear_Slot(node);
    Tip_.SetToolTipText(std::string());
    capture_.Select_Item(node, true);
}

void MainForm::mnuDelete_Click() {
    HeldCapture::Scope command(held_);
    const int16_t node = book_.CurSlot();
    const bool isNode = SlotList::Is_Node(node);
    const bool ask =
        isNode && book_.CurrentSettings().DelWarn != VB_FALSE && book_.Record(node).Locked != VB_FALSE;
    if (isNode && (!ask || Confirm(kConfirmDeletePrompt, kConfirmDeleteTitle))) {
        SlotBook::ChangeBatch oneRepaint(book_);
        const int16_t chosen = book_.Delete_Slot(node);
        if (chosen != NIL_NODE) {
            capture_.Select_Item(chosen, false);
            return;  // the book has checked the locks after removing
        }
        // The only slot is cleared instead, with the question of its own.
        mnuClear_Click();
    }
    book_.Verify_Locks();
}

void MainForm::mnuEdit_Click() {
    HeldCapture::Scope command(held_);
    const int16_t node = book_.CurSlot();
    if (!SlotList::Is_Node(node)) return;
    std::optional<EditedSlot> edited;
    {
        HeldCapture::Scope dialog(held_);
        edited = editSel_.Show_Edit(book_.Record(node).Text, book_.Record(node).Description);
    }
    if (!edited) return;
    // A new description alone shows only in the tool tip: clipboard and rows stay.
    if (book_.Edit_Slot(node, edited->Text, edited->Description)) capture_.Select_Item(node, true);
}

void MainForm::mnuPrint_Click() {
    HeldCapture::Scope command(held_);
    const int16_t node = book_.CurSlot();
    if (!SlotList::Is_Node(node)) return;
    const std::optional<std::string> failure =
        Print_Slot(sys_.Printer, book_.Record(node), book_.CurrentSettings(), sys_.App.Title());
    if (!failure) return;
    HeldCapture::Scope box(held_);
    sys_.Boxes.Show_Message(*failure);
}

}  // namespace slotpad
