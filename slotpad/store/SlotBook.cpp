#include "slotpad/store/SlotBook.h"

#include <utility>

namespace slotpad {

namespace {

constexpr SlotBookChange kRows{true, false, false};
constexpr SlotBookChange kCurrent{false, true, false};
constexpr SlotBookChange kCount{false, false, true};
constexpr SlotBookChange kRowsAndCurrent{true, true, false};
constexpr SlotBookChange kAll{true, true, true};

}  // namespace

SlotBook::ChangeBatch::~ChangeBatch() {
    if (--book_.batchDepth_ == 0 && book_.pending_.Any()) book_.Changed({});
}

void SlotBook::Changed(const SlotBookChange& Change) {
    pending_ |= Change;
    if (batchDepth_ > 0 || !pending_.Any()) return;
    const SlotBookChange raised = std::exchange(pending_, SlotBookChange{});
    if (observer_) observer_->Slot_Book_Changed(raised);
}

void SlotBook::Restore(const std::function<void(SlotList&, Settings&)>& Fill) {
    Fill(list_, settings_);
    Changed(kAll);
}

void SlotBook::Change_Settings(const Settings& S) {
    const int16_t cur = settings_.CurSlot;
    settings_ = S;
    settings_.CurSlot = cur;
}

void SlotBook::Select(int16_t Node, bool Raise) {
    settings_.CurSlot = Node;
    if (Raise) {
        Changed(kCurrent);
    } else {
        pending_ |= kCurrent;
    }
}

void SlotBook::Toggle_Lock(int16_t Node) {
    if (!SlotList::Is_Node(Node)) return;
    SlotRecord& slot = list_.Nodes[Node].Slot;
    slot.Locked = slot.Locked == VB_FALSE ? VB_TRUE : VB_FALSE;
    ChangeBatch batch(*this);
    Verify_Locks();
    Changed(kRows);
}

bool SlotBook::Move(int16_t FromNode, int16_t AfterNode) {
    const bool moved = list_.Move_Node(FromNode, AfterNode);
    Changed(kRows);
    return moved;
}

bool SlotBook::Add_Slot() {
    int16_t node = NIL_NODE;
    const bool added = list_.Insert_Node(BlankSlot_, POS_BOTTOM, node);
    Changed(kCount);
    return added;
}

bool SlotBook::Copy_Slot(int16_t Node) {
    if (!SlotList::Is_Node(Node)) return false;
    const SlotRecord copy = list_.Nodes[Node].Slot;
    int16_t node = NIL_NODE;
    const bool added = list_.Insert_Node(copy, POS_BOTTOM, node);
    Changed(kCount);
    return added;
}

void SlotBook::Clear_Slot(int16_t Node) {
    if (!SlotList::Is_Node(Node)) return;
    list_.Nodes[Node].Slot = BlankSlot_;
    Changed(kRows);
}

int16_t SlotBook::Delete_Slot(int16_t Node) {
    ChangeBatch batch(*this);
    int16_t chosen = NIL_NODE;
    if (SlotList::Is_Node(Node)) {
        chosen = list_.Nodes[Node].NextNode;
        if (chosen == NIL_NODE) chosen = list_.Nodes[Node].PrevNode;
        if (chosen == NIL_NODE) return NIL_NODE;
        list_.Remove_Node(Node);
        settings_.CurSlot = chosen;
        Changed(kAll);
    }
    Verify_Locks();
    return chosen;
}

bool SlotBook::Edit_Slot(int16_t Node, const std::string& Text, const std::string& Description) {
    if (!SlotList::Is_Node(Node)) return false;
    SlotRecord& slot = list_.Nodes[Node].Slot;
    const bool textChanged = slot.Text != Text;
    slot.Text = Text;
    slot.Description = Description;
    // The description shows only in the tool tip: the rows look the same.
    if (textChanged) Changed(kRows);
    return textChanged;
}

bool SlotBook::Any_Unlocked() const {
    int16_t n = list_.HeadNode;
    for (int i = 0; i <= list_.LastPos && SlotList::Is_Node(n); ++i) {
        if (list_.Nodes[n].Slot.Locked == VB_FALSE) return true;
        n = list_.Nodes[n].NextNode;
    }
    return false;
}

void SlotBook::Verify_Locks() {
    if (Any_Unlocked()) return;
    int16_t newNode = NIL_NODE;
    list_.Insert_Node(BlankSlot_, POS_BOTTOM, newNode);
    Changed(kCount);
}

void SlotBook::Respell(int16_t Node, const std::string& Text) {
    if (!SlotList::Is_Node(Node)) return;
    list_.Nodes[Node].Slot.Text = Text;
    settings_.CurSlot = Node;
    Changed(kRowsAndCurrent);
}

void SlotBook::Overwrite(int16_t Node, SlotRecord Rec) {
    if (!SlotList::Is_Node(Node)) return;
    list_.Nodes[Node].Slot = std::move(Rec);
    settings_.CurSlot = Node;
    Changed(kRowsAndCurrent);
}

void SlotBook::Reinsert(int16_t Target, const SlotRecord& Rec, int16_t Pos) {
    if (SlotList::Is_Node(Target)) list_.Remove_Node(Target);
    int16_t newNode = NIL_NODE;
    if (list_.Insert_Node(Rec, Pos, newNode)) settings_.CurSlot = newNode;
    Changed(kRowsAndCurrent);
}

}  // namespace slotpad
