// Choosing, locking and dragging slots with the pointer, the row tool tips and the keys,
// on a shown window with four slots.

#include <gtest/gtest.h>

#include "tests/form/FormDesktop.h"

namespace slotpad::testing {
namespace {

constexpr int kLeft = 1, kRight = 2, kMiddle = 4;
constexpr int kShift = 1, kCtrl = 2, kAlt = 4;
constexpr int kTextX = 100, kLockX = 30, kPointerX = 10;
int RowY(int r) { return 24 * r + 10; }

class PointerTest : public ::testing::Test, protected FormDesktop {
protected:
    explicit PointerTest(int twipsPerPixel = 15) {
        screen.twipsPerPixel = twipsPerPixel;
        window.SetTwipsPerPixel(twipsPerPixel);
        form.Form_Load();
        form.Book().Restore([](SlotList& l, Settings&) {
            l.Nodes[l.HeadNode].Slot = SlotRecord{VB_FALSE, "a", "a"};
            for (const char* text : {"b", "c", "d"}) {
                int16_t node = 0;
                l.Insert_Node(SlotRecord{VB_FALSE, text, text}, POS_BOTTOM, node);
            }
        });
        form.mnuShow_Click();
        clipboard.onChange = [this] {
            form.Clip_NewClipboardElement();
            window.DeliverPosted(form);
        };
        Select(0);
    }

    void Select(int row) { form.Captures().Select_Item(form.Panel().RowSlot()[row], true); }
    void Click(int button, int shift, int x, int y) {
        form.Pointer_Down(button, shift, x, y);
        form.Pointer_Up(button, shift, x, y);
    }
    // Shift+left press on the text of row `from`, moves to each y, release.
    void Drag(int from, std::initializer_list<int> ys) {
        form.Pointer_Move(0, 0, kTextX, RowY(from));
        form.Pointer_Down(kLeft, kShift, kTextX, RowY(from));
        for (int y : ys) form.Pointer_Move(kLeft, kShift, kTextX, y);
        const int last = ys.size() ? *(ys.end() - 1) : RowY(from);
        form.Pointer_Up(kLeft, kShift, kTextX, last);
    }
    std::string Order() {
        std::string out;
        const SlotList& l = form.List();
        for (int16_t n = l.HeadNode, i = 0; i <= l.LastPos && n != NIL_NODE; ++i, n = l.Nodes[n].NextNode)
            out += l.Nodes[n].Slot.Text.empty() ? "_" : l.Nodes[n].Slot.Text;
        return out;
    }
    std::string CurrentText() { return form.List().Nodes[form.CurrentSettings().CurSlot].Slot.Text; }

};

TEST_F(PointerTest, SetUpHasFourSlotsTheTopOneCurrent) {
    ASSERT_EQ(Order(), "abcd");
    ASSERT_EQ(CurrentText(), "a");
}

TEST_F(PointerTest, AnyButtonOnAnyCellOfARowMakesItsSlotCurrent) {
    int row = 1;
    for (int button : {kLeft, kRight, kMiddle}) {
        for (int x : {kPointerX, kTextX}) {
            form.Pointer_Down(button, 0, x, RowY(row));
            EXPECT_EQ(CurrentText(), std::string(1, "abcd"[row])) << button << " at x " << x;
            EXPECT_EQ(clipboard.text, CurrentText());
            form.Pointer_Up(button, 0, x, RowY(row));
            row = row % 3 + 1;
        }
    }
    EXPECT_EQ(Order(), "abcd") << "selecting never moves or adds a slot";
    EXPECT_EQ(menu.lastDefault, mnuEdit) << "right releases opened the panel's menu";
    EXPECT_TRUE(menu.Visible(mnuEdit));
    EXPECT_FALSE(menu.Visible(mnuShow));
}

TEST_F(PointerTest, LockButtonTogglesTheLockAndSelectsOnlyAnotherSlot) {
    Click(kLeft, 0, kLockX, RowY(2));
    EXPECT_EQ(CurrentText(), "c");
    EXPECT_EQ(form.List().Nodes[form.CurrentSettings().CurSlot].Slot.Locked, VB_TRUE);
    EXPECT_EQ(clipboard.text, "c");

    clipboard.text = "something else";
    Click(kLeft, 0, kLockX, RowY(2));
    EXPECT_EQ(form.List().Nodes[form.CurrentSettings().CurSlot].Slot.Locked, VB_FALSE);
    EXPECT_EQ(clipboard.text, "something else") << "the current slot's lock click only toggles";
}

TEST_F(PointerTest, LockingTheLastUnlockedSlotAppendsABlankOne) {
    for (int r = 0; r < 4; ++r) Click(kLeft, 0, kLockX, RowY(r));
    EXPECT_EQ(Order(), "abcd_");
    EXPECT_EQ(window.ClientHeight(), 5 * 24 - 1) << "laid out again for the new slot";
}

TEST_F(PointerTest, ClicksBelowTheLastRowOrAboveThePanelDoNothing) {
    Click(kLeft, 0, kTextX, RowY(4));
    Click(kLeft, 0, kLockX, RowY(7));
    Click(kLeft, 0, kLockX, -3);
    EXPECT_EQ(CurrentText(), "a");
    EXPECT_EQ(form.List().Nodes[form.List().HeadNode].Slot.Locked, VB_FALSE);
}

struct DropCase {
    const char* name;
    int from;
    std::vector<int> ys;  // pointer positions while dragging
    const char* order;
    friend void PrintTo(const DropCase& c, std::ostream* os) { *os << c.name; }
};

class Drop : public PointerTest, public ::testing::WithParamInterface<DropCase> {
protected:
    using PointerTest::PointerTest;
    void ReleaseMovesTheDraggedSlotToTheBar(const DropCase& c);
};

// The bar follows the pointer in pixels whatever the screen's twips per pixel.
class DropAt120Dpi : public Drop {
protected:
    DropAt120Dpi() : Drop(12) {}
};

TEST_P(Drop, ReleaseMovesTheDraggedSlotToTheBar) { ReleaseMovesTheDraggedSlotToTheBar(GetParam()); }
TEST_P(DropAt120Dpi, ReleaseMovesTheDraggedSlotToTheBar) { ReleaseMovesTheDraggedSlotToTheBar(GetParam()); }

void Drop::ReleaseMovesTheDraggedSlotToTheBar(const DropCase& c) {
    const std::string dragged(1, "abcd"[c.from]);
    form.Pointer_Move(0, 0, kTextX, RowY(c.from));
    form.Pointer_Down(kLeft, kShift, kTextX, RowY(c.from));
    EXPECT_TRUE(bar.shown);
    EXPECT_EQ(bar.top, 24 * c.from - 3) << "the bar starts on the gap above the row";
    EXPECT_EQ(bar.width, window.ClientWidth());
    for (int y : c.ys) form.Pointer_Move(kLeft, kShift, kTextX, y);
    form.Pointer_Up(kLeft, kShift, kTextX, c.ys.empty() ? RowY(c.from) : c.ys.back());

    EXPECT_FALSE(bar.shown);
    EXPECT_FALSE(form.IsDragging());
    EXPECT_EQ(Order(), c.order);
    EXPECT_EQ(CurrentText(), dragged) << "the dragged slot stays current";
}

const auto kDropCases = ::testing::Values(DropCase{"ReleaseWithoutMoving", 2, {}, "abcd"},
                                           DropCase{"ToTheTop", 2, {RowY(1), RowY(0)}, "cabd"},
                                           DropCase{"AboveTheTopKeepsTheTopOffer", 2, {RowY(0), -40}, "cabd"},
                                           DropCase{"StraightAboveThePanelIsNoOffer", 2, {-40}, "abcd"},
                                           DropCase{"BelowTheLastRow", 1, {RowY(3), RowY(4)}, "acdb"},
                                           DropCase{"FarBelowKeepsTheLastOffer", 1, {RowY(4), RowY(9)}, "acdb"},
                                           DropCase{"IntoTheMiddle", 0, {RowY(2)}, "bacd"},
                                           DropCase{"RowBelowIsNotOffered", 1, {RowY(2)}, "abcd"},
                                           DropCase{"TopRowToTheBottom", 0, {RowY(4)}, "bcda"});
const auto kDropCaseName = [](const auto& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(Cases, Drop, kDropCases, kDropCaseName);
INSTANTIATE_TEST_SUITE_P(Cases, DropAt120Dpi, kDropCases, kDropCaseName);

TEST_F(PointerTest, BarStaysPutOverTheRowDirectlyBelowTheDraggedOne) {
    form.Pointer_Move(0, 0, kTextX, RowY(1));
    form.Pointer_Down(kLeft, kShift, kTextX, RowY(1));
    form.Pointer_Move(kLeft, kShift, kTextX, RowY(3));
    EXPECT_EQ(bar.top, 24 * 3 - 3);
    form.Pointer_Move(kLeft, kShift, kTextX, RowY(2));
    EXPECT_EQ(bar.top, 24 * 3 - 3);
    form.Pointer_Up(kLeft, kShift, kTextX, RowY(2));
    EXPECT_EQ(Order(), "acbd");
}

TEST_F(PointerTest, PressWithoutShiftOnTextSelectsButDoesNotDrag) {
    form.Pointer_Move(0, 0, kTextX, RowY(3));
    form.Pointer_Down(kLeft, 0, kTextX, RowY(3));
    EXPECT_FALSE(form.IsDragging());
    EXPECT_EQ(CurrentText(), "d");
    EXPECT_TRUE(window.captured) << "the press keeps the pointer until the release";
    form.Pointer_Up(kLeft, 0, kTextX, RowY(0));
    EXPECT_FALSE(window.captured);
    EXPECT_EQ(CurrentText(), "d") << "the release belongs to the row that was pressed";
}

TEST_F(PointerTest, ToolTipFollowsThePointerFromRowToRow) {
    form.Book().Edit_Slot(form.Panel().RowSlot()[2], "c", "third slot");
    form.Pointer_Move(0, 0, kLockX, RowY(2));
    EXPECT_EQ(toolTip.text, "third slot");
    EXPECT_EQ(toolTip.area, (PixelRect{48, 48, 48 + window.ClientWidth() - 48, 48 + 23}));
    form.Pointer_Move(0, 0, kLockX, RowY(0));
    EXPECT_EQ(toolTip.text, "a");
    EXPECT_EQ(form.Tip().Top(), 0);
    form.Pointer_Move(0, 0, kLockX, RowY(6));
    EXPECT_EQ(form.Tip().Top(), 0) << "below the rows nothing moves";
}

TEST_F(PointerTest, OnlyCtrlNAddsASlot) {
    for (int shift : {0, kCtrl | kShift, kAlt, kShift}) form.Form_KeyDown('N', shift);
    EXPECT_EQ(Order(), "abcd");
    form.Form_KeyDown('N', kCtrl);
    EXPECT_EQ(Order(), "abcd_");
    EXPECT_EQ(window.ClientHeight(), 5 * 24 - 1);
}

TEST_F(PointerTest, CtrlCCopiesTheCurrentSlotToTheBottom) {
    Select(1);
    form.Form_KeyDown('C', kCtrl);
    EXPECT_EQ(Order(), "abcdb");
    EXPECT_EQ(CurrentText(), "b");
    EXPECT_EQ(form.CurrentSettings().CurSlot, form.Panel().RowSlot()[1]) << "the source stays current";
}

TEST_F(PointerTest, ArrowKeysWrapAround) {
    form.Form_KeyDown(38, 0);  // Up on the top slot
    EXPECT_EQ(CurrentText(), "d");
    EXPECT_EQ(clipboard.text, "d");
    form.Form_KeyDown(40, kShift);  // Down on the bottom slot, any shift state
    EXPECT_EQ(CurrentText(), "a");
    form.Form_KeyDown(40, 0);
    EXPECT_EQ(CurrentText(), "b");

    form.Book().Select(NIL_NODE);
    form.Form_KeyDown(40, 0);
    EXPECT_EQ(form.CurrentSettings().CurSlot, NIL_NODE);
}

}  // namespace
}  // namespace slotpad::testing
