// The slot book's operations: what each does to the records, the current slot and the
// count, and the one notification each raises.

#include "tests/support/SlotBookFixture.h"

namespace slotpad::testing {
namespace {

std::vector<std::string> FullList() {
    std::vector<std::string> slots;
    for (int i = 0; i < MAX_NODES; ++i) slots.push_back("t" + std::to_string(i));
    return slots;
}

TEST_F(SlotBookFixture, AddSlotAppendsABlankSlotAndKeepsTheCurrentSlot) {
    Fill({"a", "b"});
    SetCurSlot(0);
    EXPECT_TRUE(book.Add_Slot());
    EXPECT_EQ(Slots(), (std::vector<std::string>{"a", "b", "_"}));
    EXPECT_EQ(settings.CurSlot, 0);
    EXPECT_EQ(panel.resizes, 1);
    EXPECT_EQ(panel.refreshes, 0);
}

TEST_F(SlotBookFixture, AddAndCopyOnAFullListChangeNothingButStillLayOutAgain) {
    Fill(FullList());
    const auto before = Slots();
    EXPECT_FALSE(book.Add_Slot());
    EXPECT_FALSE(book.Copy_Slot(0));
    EXPECT_EQ(Slots(), before);
    EXPECT_EQ(panel.resizes, 2);
}

TEST_F(SlotBookFixture, CopySlotCopiesTheWholeRecordToTheBottom) {
    Fill({"a", "*b"});
    Arrange([](SlotList& l, Settings&) { l.Nodes[1].Slot.Description = "locked one"; });
    SetCurSlot(1);
    EXPECT_TRUE(book.Copy_Slot(1));
    ASSERT_EQ(list.LastPos, 2);
    EXPECT_EQ(list.Nodes[list.TailNode].Slot, (SlotRecord{VB_TRUE, "b", "locked one"}));
    EXPECT_NE(list.TailNode, 1) << "a separate slot";
    EXPECT_EQ(settings.CurSlot, 1) << "the source stays current";
    EXPECT_EQ(panel.resizes, 1);

    EXPECT_FALSE(book.Copy_Slot(NIL_NODE));
    EXPECT_EQ(list.LastPos, 2);
    EXPECT_EQ(panel.resizes, 1) << "no slot: nothing at all";
}

TEST_F(SlotBookFixture, ClearSlotPutsTheBlankRecordInPlace) {
    Fill({"a", "*b", "c"});
    Arrange([](SlotList& l, Settings&) { l.Nodes[1].Slot.Description = "kept?"; });
    book.Clear_Slot(1);
    EXPECT_EQ(Slots(), (std::vector<std::string>{"a", "_", "c"}));
    EXPECT_EQ(list.Nodes[1].Slot, book.BlankSlot()) << "unlocked, text and description gone, same node";
    EXPECT_EQ(panel.refreshes, 1);
    EXPECT_EQ(panel.resizes, 0);
}

struct DeleteCase {
    const char* name;
    std::vector<std::string> slots;
    int16_t node;
    int16_t becomesCurrent;
    std::vector<std::string> after;
};

class DeleteSlot : public SlotBookFixture, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteSlot, RemovesTheSlotAndChoosesTheNextCurrent) {
    const DeleteCase& c = GetParam();
    Fill(c.slots);
    SetCurSlot(c.node);
    EXPECT_EQ(book.Delete_Slot(c.node), c.becomesCurrent);
    EXPECT_EQ(Slots(), c.after);
    EXPECT_EQ(settings.CurSlot, c.becomesCurrent == NIL_NODE ? c.node : c.becomesCurrent);
    EXPECT_EQ(panel.resizes + panel.refreshes, c.becomesCurrent == NIL_NODE ? 0 : 1) << "one notification";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeleteSlot,
    ::testing::Values(DeleteCase{"MiddleSlotGivesTheSlotBelow", {"a", "b", "c"}, 1, 2, {"a", "c"}},
                      DeleteCase{"TopSlotGivesTheSlotBelow", {"a", "b", "c"}, 0, 1, {"b", "c"}},
                      DeleteCase{"BottomSlotGivesTheSlotAbove", {"a", "b", "c"}, 2, 1, {"a", "b"}},
                      DeleteCase{"OnlySlotIsLeftToTheCaller", {"*a"}, 0, NIL_NODE, {"*a"}},
                      DeleteCase{"OnlyLockedLeftGetsABlankSlot", {"*a", "b"}, 1, 0, {"*a", "_"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SlotBookFixture, DeleteWithoutASlotStillVerifiesTheLocks) {
    Fill({"*a"});
    EXPECT_EQ(book.Delete_Slot(NIL_NODE), NIL_NODE);
    EXPECT_EQ(Slots(), (std::vector<std::string>{"*a", "_"}));
}

TEST_F(SlotBookFixture, EditSlotStoresBothTextsAndShowsOnlyATextChange) {
    Fill({"*a", "b"});
    EXPECT_FALSE(book.Edit_Slot(0, "a", "new description"));
    EXPECT_EQ(list.Nodes[0].Slot, (SlotRecord{VB_TRUE, "a", "new description"})) << "locked slots can be edited";
    EXPECT_EQ(panel.refreshes, 0) << "the rows look the same";

    EXPECT_TRUE(book.Edit_Slot(0, "A", "new description"));
    EXPECT_EQ(list.Nodes[0].Slot.Text, "A") << "a change of case is a change";
    EXPECT_EQ(panel.refreshes, 1);
}

TEST_F(SlotBookFixture, ToggleLockFlipsTheLockAndKeepsOneUnlockedSlot) {
    Fill({"*a", "b"});
    book.Toggle_Lock(0);
    EXPECT_EQ(Slots(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(panel.refreshes, 1);

    book.Toggle_Lock(0);
    book.Toggle_Lock(1);
    EXPECT_EQ(Slots(), (std::vector<std::string>{"*a", "*b", "_"}));
    EXPECT_EQ(panel.resizes, 1) << "the appended slot comes with the lock's change, in one notification";
    EXPECT_EQ(panel.refreshes, 2);
}

TEST_F(SlotBookFixture, MoveKeepsTheNodeOfTheMovedSlot) {
    Fill({"a", "b", "c"});
    EXPECT_TRUE(book.Move(2, POS_TOP));
    EXPECT_EQ(Slots(), (std::vector<std::string>{"c", "a", "b"}));
    EXPECT_EQ(list.HeadNode, 2);
    EXPECT_EQ(panel.refreshes, 1);
}

TEST_F(SlotBookFixture, ABatchRaisesOneNotificationWithEverythingThatChanged) {
    Fill({"a", "b"});
    SlotBookChange seen;
    struct Recorder : SlotBookObserver {
        SlotBookChange& seen;
        int calls = 0;
        explicit Recorder(SlotBookChange& s) : seen(s) {}
        void Slot_Book_Changed(const SlotBookChange& c) override {
            seen = c;
            ++calls;
        }
    } recorder(seen);
    book.SetObserver(&recorder);
    {
        SlotBook::ChangeBatch batch(book);
        book.Clear_Slot(0);
        book.Select(1, false);
        book.Add_Slot();
        EXPECT_EQ(recorder.calls, 0);
    }
    EXPECT_EQ(recorder.calls, 1);
    EXPECT_TRUE(seen.Rows && seen.CurrentSlot && seen.Count);

    book.Select(0, false);
    EXPECT_EQ(recorder.calls, 1) << "held back";
    book.Clear_Slot(1);
    EXPECT_EQ(recorder.calls, 2);
    EXPECT_TRUE(seen.Rows && seen.CurrentSlot) << "the held change comes with the next one";
}

TEST_F(SlotBookFixture, VerifyLocksAppendsABlankSlotOnlyWhenAllAreLocked) {
    Fill({"*a", "b"});
    book.Verify_Locks();
    EXPECT_EQ(list.LastPos, 1);
    EXPECT_EQ(panel.resizes, 0);

    Arrange([](SlotList& l, Settings&) { l.Nodes[1].Slot.Locked = VB_TRUE; });
    book.Verify_Locks();
    EXPECT_EQ(Slots(), (std::vector<std::string>{"*a", "*b", "_"}));
    EXPECT_EQ(panel.resizes, 1);
}

TEST_F(SlotBookFixture, VerifyLocksOnAFullLockedListOnlyLaysOutAgain) {
    std::vector<std::string> locked;
    for (int i = 0; i < MAX_NODES; ++i) locked.push_back("*t" + std::to_string(i));
    Fill(locked);
    book.Verify_Locks();
    EXPECT_EQ(list.LastPos, MAX_NODES - 1);
    EXPECT_EQ(panel.resizes, 1);
}

}  // namespace
}  // namespace slotpad::testing
