#pragma once
// The slot book: the one owner of the slot list, the current slot and the settings for
// the whole run. Every change to them goes through its operations, and each operation
// tells the observer once what it changed, so nobody has to remember to repaint.

#include <cstdint>
#include <functional>
#include <string>

#include "slotpad/store/LinkList.h"
#include "slotpad/store/Settings.h"

namespace slotpad {

// What an operation changed: the look of rows, which slot is current, how many slots
// there are (which changes the window's height as well).
struct SlotBookChange {
    bool Rows = false;
    bool CurrentSlot = false;
    bool Count = false;

    bool Any() const { return Rows || CurrentSlot || Count; }
    SlotBookChange& operator|=(const SlotBookChange& o) {
        Rows = Rows || o.Rows;
        CurrentSlot = CurrentSlot || o.CurrentSlot;
        Count = Count || o.Count;
        return *this;
    }
};

class SlotBookObserver {
public:
    virtual ~SlotBookObserver() = default;
    virtual void Slot_Book_Changed(const SlotBookChange& Change) = 0;
};

class SlotBook {
public:
    SlotBook() = default;
    SlotBook(const SlotBook&) = delete;
    SlotBook& operator=(const SlotBook&) = delete;

    void SetObserver(SlotBookObserver* observer) { observer_ = observer; }

    const SlotList& List() const { return list_; }
    const Settings& CurrentSettings() const { return settings_; }
    int16_t CurSlot() const { return settings_.CurSlot; }
    // Unlocked, with empty text and description: what Add Slot inserts and Clear Slot
    // copies over a slot.
    const SlotRecord& BlankSlot() const { return BlankSlot_; }
    const SlotRecord& Record(int16_t Node) const { return list_.Nodes[Node].Slot; }
    bool Is_Blank(int16_t Node) const { return Record(Node) == BlankSlot_; }

    // Everything at once, as the settings file loads it; reported as a change of all.
    void Restore(const std::function<void(SlotList&, Settings&)>& Fill);
    // New options; the current slot stays.
    void Change_Settings(const Settings& S);

    // --- What the program does to its slots.

    // Makes Node current (NIL_NODE: none). Unraised, the change waits for the next
    // notification: for a caller that changes more before the panel is drawn again.
    void Select(int16_t Node, bool Raise = true);
    // Locks or unlocks Node; a blank slot is appended when no unlocked one is left.
    void Toggle_Lock(int16_t Node);
    // Moves FromNode below AfterNode (or to POS_TOP / POS_BOTTOM); it keeps its index.
    bool Move(int16_t FromNode, int16_t AfterNode);
    // A blank slot at the bottom; a full list adds nothing.
    bool Add_Slot();
    // A whole copy of Node's record at the bottom; the current slot stays.
    bool Copy_Slot(int16_t Node);
    // BlankSlot over Node's record: it keeps its place and index.
    void Clear_Slot(int16_t Node);
    // Removes Node; the slot below it becomes current, else the one above; then
    // Verify_Locks. The only slot is not removed: NIL_NODE comes back, nothing has
    // changed, and the caller clears it instead and then calls Verify_Locks.
    int16_t Delete_Slot(int16_t Node);
    // Stores both texts of Node; true when the text (not only the description) changed.
    bool Edit_Slot(int16_t Node, const std::string& Text, const std::string& Description);
    // Appends a blank slot at the bottom when every slot is locked.
    void Verify_Locks();

    // --- The steps of capture's placement.

    // The slot that holds the text in other letter case takes the new spelling.
    void Respell(int16_t Node, const std::string& Text);
    // Rec replaces Node's record, and Node becomes current.
    void Overwrite(int16_t Node, SlotRecord Rec);
    // Target (when a slot) leaves its place and Rec enters at Pos (POS_TOP or
    // POS_BOTTOM) in the freed node, which becomes current.
    void Reinsert(int16_t Target, const SlotRecord& Rec, int16_t Pos);

    // Gathers the changes of several operations into one notification at its end.
    class ChangeBatch {
    public:
        explicit ChangeBatch(SlotBook& book) : book_(book) { ++book_.batchDepth_; }
        ~ChangeBatch();
        ChangeBatch(const ChangeBatch&) = delete;
        ChangeBatch& operator=(const ChangeBatch&) = delete;

    private:
        SlotBook& book_;
    };

private:
    void Changed(const SlotBookChange& Change);
    bool Any_Unlocked() const;

    SlotList list_;
    Settings settings_;
    const SlotRecord BlankSlot_{VB_FALSE, "", ""};
    SlotBookObserver* observer_ = nullptr;
    int batchDepth_ = 0;
    SlotBookChange pending_;
};

}  // namespace slotpad
