#pragma once
// A slot book with a panel stand-in that counts its notifications, and the notation in
// which the tests write and read slots.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "slotpad/store/SlotBook.h"

namespace slotpad::testing {

// Counts the book's notifications as the panel takes them: a change of the number of
// slots lays it out again, any other repaints it.
class CountingPanel : public SlotBookObserver {
public:
    int refreshes = 0;
    int resizes = 0;
    void Slot_Book_Changed(const SlotBookChange& Change) override { ++(Change.Count ? resizes : refreshes); }
};

// A slot as the tests write it: "text", "*text" for a locked slot, "_" for a blank one.
inline SlotRecord SlotFrom(const std::string& spec) {
    if (spec == "_") return SlotRecord{};
    if (!spec.empty() && spec[0] == '*') return SlotRecord{VB_TRUE, spec.substr(1), spec.substr(1)};
    return SlotRecord{VB_FALSE, spec, spec};
}

class SlotBookFixture : public ::testing::Test {
protected:
    SlotBookFixture() { book.SetObserver(&panel); }

    // Fills the list from the top; the slots get nodes 0, 1, 2, ... in that order. Not
    // counted as a change.
    void Fill(const std::vector<std::string>& slots) {
        Arrange([&](SlotList& l, Settings&) {
            l.Init_List();
            for (const auto& s : slots) {
                int16_t node = 0;
                ASSERT_TRUE(l.Insert_Node(SlotFrom(s), POS_BOTTOM, node));
            }
        });
    }

    // Sets the scene through the book without counting it as a change.
    void Arrange(const std::function<void(SlotList&, Settings&)>& fill) {
        book.SetObserver(nullptr);
        book.Restore(fill);
        book.SetObserver(&panel);
    }
    void SetCurSlot(int16_t node) { Arrange([&](SlotList&, Settings& s) { s.CurSlot = node; }); }
    void SetIgnoreCase(int16_t value) { Arrange([&](SlotList&, Settings& s) { s.IgnoreCase = value; }); }
    void SetAddMode(int16_t mode) { Arrange([&](SlotList&, Settings& s) { s.AddMode = mode; }); }

    // The list from the top, in the notation of SlotFrom (descriptions not shown).
    std::vector<std::string> Slots() const {
        std::vector<std::string> out;
        int16_t n = list.HeadNode;
        for (int i = 0; i <= list.LastPos && n != NIL_NODE; ++i) {
            const SlotRecord& r = list.Nodes[n].Slot;
            out.push_back(r == SlotRecord{} ? "_" : (r.Locked ? "*" : "") + r.Text);
            n = list.Nodes[n].NextNode;
        }
        return out;
    }

    CountingPanel panel;
    SlotBook book;
    const SlotList& list = book.List();
    const Settings& settings = book.CurrentSettings();
};

}  // namespace slotpad::testing
