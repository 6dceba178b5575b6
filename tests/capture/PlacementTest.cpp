// Where a new clipboard element lands: blank slots first, then by placement mode,
// never over a locked slot while an unlocked one exists.

#include "tests/capture/CaptureFixture.h"

namespace slotpad::testing {
namespace {

struct PlacementCase {
    const char* name;
    std::vector<std::string> before;
    int16_t addMode;
    int16_t curSlot;
    std::vector<std::string> after;
    int16_t newCurSlot;
    friend void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.name; }
};

class Placement : public CaptureFixture, public ::testing::WithParamInterface<PlacementCase> {};

TEST_P(Placement, NewElementLandsWhereTheModeSays) {
    const PlacementCase& c = GetParam();
    Fill(c.before);
    SetAddMode(c.addMode);
    SetCurSlot(c.curSlot);
    const int slotCount = list.LastPos + 1;

    clipboard.CopyFromOutside("x");

    EXPECT_EQ(Slots(), c.after);
    EXPECT_EQ(settings.CurSlot, c.newCurSlot);
    EXPECT_EQ(list.LastPos + 1, slotCount) << "placement never changes the number of slots";
    EXPECT_EQ(panel.refreshes, 1);
    EXPECT_EQ(list.Nodes[settings.CurSlot].Slot.Locked, VB_FALSE);
}

const PlacementCase kCases[] = {
    // name, before, mode, CurSlot, after, new CurSlot (node index; nodes are 0, 1, 2 from the top)
    {"NextFillsBlank", {"a", "_", "c"}, PLACE_NEXT, 2, {"a", "x", "c"}, 1},
    {"TopMovesBlankToTop", {"a", "_", "c"}, POS_TOP, 0, {"x", "a", "c"}, 1},
    {"BottomMovesBlankToBottom", {"a", "_", "c"}, POS_BOTTOM, 0, {"a", "c", "x"}, 1},
    {"FirstBlankFromTopWins", {"a", "_", "_"}, PLACE_NEXT, 0, {"a", "x", "_"}, 1},
    {"TopRecyclesLowestUnlocked", {"a", "b", "c"}, POS_TOP, 0, {"x", "a", "b"}, 2},
    {"TopSkipsLockedAtBottom", {"a", "b", "*c"}, POS_TOP, 0, {"x", "a", "*c"}, 1},
    {"BottomRecyclesHighestUnlocked", {"a", "b", "c"}, POS_BOTTOM, 2, {"b", "c", "x"}, 0},
    {"BottomSkipsLockedAtTop", {"*a", "b", "c"}, POS_BOTTOM, 0, {"*a", "c", "x"}, 1},
    {"NextTakesSlotBelowCurrent", {"a", "b", "c"}, PLACE_NEXT, 0, {"a", "x", "c"}, 1},
    {"NextWrapsFromBottomToTop", {"a", "b", "c"}, PLACE_NEXT, 2, {"x", "b", "c"}, 0},
    {"NextSkipsLocked", {"a", "*b", "c"}, PLACE_NEXT, 0, {"a", "*b", "x"}, 2},
    {"NextWrapsAndSkipsLocked", {"*a", "b", "c"}, PLACE_NEXT, 2, {"*a", "x", "c"}, 1},
    {"NextWithCurrentLockedLooksBelow", {"a", "*b", "*c"}, PLACE_NEXT, 1, {"x", "*b", "*c"}, 0},
    {"UnknownModeActsAsNext", {"a", "b", "c"}, 0, 0, {"a", "x", "c"}, 1},
    {"NextWithoutCurrentSlotStartsAtTop", {"a", "b", "c"}, PLACE_NEXT, NIL_NODE, {"x", "b", "c"}, 0},
    {"AllLockedTopTakesBottomSlot", {"*a", "*b", "*c"}, POS_TOP, 0, {"x", "*a", "*b"}, 2},
    {"AllLockedBottomTakesBottomSlot", {"*a", "*b", "*c"}, POS_BOTTOM, 0, {"*a", "*b", "x"}, 2},
    {"AllLockedNextTakesBottomSlot", {"*a", "*b", "*c"}, PLACE_NEXT, 0, {"*a", "*b", "x"}, 2},
};

INSTANTIATE_TEST_SUITE_P(Cases, Placement, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CaptureFixture, EmptyListTakesTheElementInTopAndBottomModesOnly) {
    for (int16_t mode : {POS_TOP, POS_BOTTOM}) {
        Fill({});
        SetAddMode(mode);
        capture.Add_To_Clipboard("x", false);
        EXPECT_EQ(Slots(), std::vector<std::string>{"x"}) << mode;
        EXPECT_EQ(settings.CurSlot, 0);
    }
    Fill({});
    SetAddMode(PLACE_NEXT);
    SetCurSlot(0);
    capture.Add_To_Clipboard("x", false);
    EXPECT_TRUE(Slots().empty());
}

TEST_F(CaptureFixture, NewElementGetsFirstLineTrimmedAsDescription) {
    Fill({"_"});
    clipboard.CopyFromOutside("  first line  \r\nsecond line");
    EXPECT_EQ(list.Nodes[0].Slot.Description, "first line");
    EXPECT_EQ(list.Nodes[0].Slot.Text, "  first line  \r\nsecond line");
}

}  // namespace
}  // namespace slotpad::testing
