// Pointer and key input on the slot panel: choosing, locking and dragging slots, the
// row tool tips, the panel's pop-up menu and the keyboard shortcuts.

#include "slotpad/main/MainForm.h"

namespace slotpad {

namespace {

constexpr int kLeft = 1;
constexpr int kRight = 2;
constexpr int kShiftBit = 1;
constexpr int kCtrl = 2;
// The drop bar is centred on the one-pixel gap above the row it points at.
constexpr int kBarAboveRow = 3;

enum Key : int {
    kKeyDelete = 46,
    kKeyUp = 38,
    kKeyDown = 40,
    kKeyC = 67,
    kKeyN = 78,
    kKeyP = 80,
    kKeyX = 88,
    kKeyF1 = 112,
};

bool IsNode(int16_t n) { return n >= 0 && n < MAX_NODES; }

}  // namespace

// --- Routing: the window reports the pointer; Tip gets it over its cell, and whoever
// got a press keeps the pointer until the release.

void MainForm::Pointer_Down(int Button, int Shift, int X, int Y) {
    if (pressOwner_ == PointerOwner::None) {
        pressOwner_ = Tip_.Contains(X, Y) ? PointerOwner::Tip : PointerOwner::Form;
        sys_.Window.CapturePointer();
    }
    if (pressOwner_ == PointerOwner::Tip) {
        Tip_MouseDown(Button, Shift, TipTwipsX(X), TipTwipsY(Y));
    } else {
        Form_MouseDown(Button, Shift, X, Y);
    }
}

void MainForm::Pointer_Move(int Button, int Shift, int X, int Y) {
    const bool onTip = pressOwner_ == PointerOwner::Tip || (pressOwner_ == PointerOwner::None && Tip_.Contains(X, Y));
    if (onTip) {
        Tip_MouseMove(Button, Shift, TipTwipsX(X), TipTwipsY(Y));
    } else {
        Form_MouseMove(Button, Shift, X, Y);
    }
}

void MainForm::Pointer_Up(int Button, int Shift, int X, int Y) {
    PointerOwner owner = pressOwner_;
    if (owner == PointerOwner::None) owner = Tip_.Contains(X, Y) ? PointerOwner::Tip : PointerOwner::Form;
    pressOwner_ = PointerOwner::None;
    sys_.Window.ReleasePointer();
    if (owner == PointerOwner::Tip) {
        Tip_MouseUp(Button, Shift, TipTwipsX(X), TipTwipsY(Y));
    } else {
        Form_MouseUp(Button, Shift, X, Y);
    }
}

// Taken as a release that never came: a drag ends where it began, without a move.
void MainForm::Pointer_Cancelled() {
    if (pressOwner_ == PointerOwner::None) return;  // our own release, or no press held
    pressOwner_ = PointerOwner::None;
    if (!Dragging) return;
    sys_.Bar.Hide();
    Dragging = false;
    dragHold_.reset();
}

void MainForm::Pointer_DblClick(int X, int Y) {
    if (Tip_.Contains(X, Y)) {
        Tip_DblClick();
    } else {
        Form_DblClick();
    }
}

// --- The panel outside Tip.

void MainForm::Form_MouseDown(int, int, int, int Y) {
    // Any button anywhere on a row makes its slot current.
    if (Y < 0) return;
    const int r = Y / panel::ROW_PITCH;
    if (!IsValidRow(r)) return;
    Tip_.SetTop(panel::RowTop(r));
    const int16_t node = panel_.RowSlot()[r];
    if (node != book_.CurSlot()) capture_.Select_Item(node, true);
}

void MainForm::Form_MouseUp(int Button, int, int X, int Y) {
    if (Button == kLeft) {
        if (Y < 0) return;
        const int r = Y / panel::ROW_PITCH;
        if (!IsValidRow(r)) return;
        const int16_t node = panel_.RowSlot()[r];
        if (!IsNode(node)) return;
        Tip_.SetToolTipText(book_.Record(node).Description);
        Tip_.SetTop(panel::RowTop(r));
        if (panel::ColumnAt(X) == panel::PanelColumn::LockButton) {
            SlotBook::ChangeBatch oneRepaint(book_);
            book_.Toggle_Lock(node);
            if (node != book_.CurSlot()) capture_.Select_Item(node, false);
        } else if (node != book_.CurSlot()) {
            capture_.Select_Item(node, true);
        }
    } else if (Button == kRight) {
        ShowPanelMenu();
    }
}

void MainForm::Form_MouseMove(int, int, int, int Y) {
    // Only real pointer moves come here; the icon's notifications are Tray_Notify.
    if (!sys_.Window.IsVisible() || Y < 0) return;
    const int r = Y / panel::ROW_PITCH;
    if (!IsValidRow(r)) return;
    const int16_t node = panel_.RowSlot()[r];
    Tip_.SetToolTipText(IsNode(node) ? book_.Record(node).Description : std::string());
    if (Tip_.Top() != panel::RowTop(r)) Tip_.SetTop(panel::RowTop(r));
}

void MainForm::Form_DblClick() { mnuEdit_Click(); }

// --- Tip, over the text cell of one row.

void MainForm::Tip_MouseDown(int Button, int Shift, int, int) {
    const int r = Tip_.Top() / panel::ROW_PITCH;
    if (IsValidRow(r) && panel_.RowSlot()[r] != book_.CurSlot()) capture_.Select_Item(panel_.RowSlot()[r], true);
    if (Button == kLeft && (Shift & kShiftBit)) {
        DragSlot = book_.CurSlot();
        barTop_ = Tip_.Top() - kBarAboveRow;
        sys_.Bar.Show(0, barTop_, sys_.Window.ClientWidth());
        Dragging = true;
        // A capture during the drag could recycle the dragged node or reorder the rows
        // the bar points at.
        dragHold_.emplace(held_);
    }
}

void MainForm::Tip_MouseMove(int, int, int, int Y) {
    if (!Dragging) return;
    const int limit = (book_.List().LastPos + 1) * panel::ROW_PITCH;
    // Back from Tip's twips with the factor that made them, so the bar stays under the pointer.
    const int y = Tip_.Top() + Y / sys_.Scr.TwipsPerPixelY();
    const int p = (y / panel::ROW_PITCH) * panel::ROW_PITCH;
    // The gap just below the dragged row would leave the order as it is: never offered.
    if (p > limit || p < 0 || p == Tip_.Top() + panel::ROW_PITCH) return;
    barTop_ = p - kBarAboveRow;
    sys_.Bar.MoveTo(barTop_);
}

void MainForm::Tip_MouseUp(int Button, int, int, int) {
    if (Dragging) {
        sys_.Bar.Hide();
        const int r = (barTop_ + kBarAboveRow) / panel::ROW_PITCH - 1;
        int16_t AfterNode;
        if (r < 0) {
            AfterNode = POS_TOP;
        } else if (r > book_.List().LastPos) {
            AfterNode = POS_BOTTOM;
        } else {
            AfterNode = panel_.RowSlot()[r];
        }
        book_.Move(DragSlot, AfterNode);
        Dragging = false;
        dragHold_.reset();
    } else if (Button == kLeft) {
        const int r = Tip_.Top() / panel::ROW_PITCH;
        if (IsValidRow(r) && panel_.RowSlot()[r] != book_.CurSlot())
            capture_.Select_Item(panel_.RowSlot()[r], true);
    } else if (Button == kRight) {
        ShowPanelMenu();
    }
}

void MainForm::Tip_DblClick() { mnuEdit_Click(); }

void MainForm::ShowPanelMenu() {
    Fix_Menu(sys_.Window.IsVisible());
    ShowRightMenu(mnuEdit);
}

// --- Keys.

void MainForm::Form_KeyDown(int KeyCode, int Shift) {
    const int16_t cur = book_.CurSlot();
    const SlotList& list = book_.List();
    switch (KeyCode) {
        case kKeyF1:
            sys_.Sh.OpenHelp(helpFile_);
            return;
        case kKeyN:
            if (Shift == kCtrl) mnuAdd_Click();
            return;
        case kKeyP:
            if (Shift == kCtrl) mnuPrint_Click();
            return;
        case kKeyC:
            if (Shift == kCtrl) mnuCopy_Click();
            return;
        case kKeyX:
            if (Shift == kCtrl) mnuDelete_Click();
            return;
        case kKeyDelete:
            // Clears with or without Shift, Ctrl or Alt: the menu shows it as plain Del.
            mnuClear_Click();
            return;
        case kKeyUp:
            if (IsNode(cur)) capture_.Select_Item(cur == list.HeadNode ? list.TailNode : list.Nodes[cur].PrevNode, true);
            return;
        case kKeyDown:
            if (IsNode(cur)) capture_.Select_Item(cur == list.TailNode ? list.HeadNode : list.Nodes[cur].NextNode, true);
            return;
        default:
            return;
    }
}

}  // namespace slotpad
