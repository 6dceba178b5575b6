// Damaged list headers, links and free stacks: the loader keeps what it can reach from
// the top and rebuilds the rest, so that nothing later walks off the array.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "slotpad/store/SettingsFile.h"
#include "tests/store/ListChecks.h"
#include "tests/store/SettingsFixtures.h"
#include "tests/support/MemoryFileStore.h"

namespace slotpad {
namespace {

using namespace fixture;

struct Damage {
    const char* Name;
    std::function<void(SlotList&, Header&)> Apply;
    std::vector<int16_t> Kept;  // nodes from the top after the load
    int16_t CurSlot = 2;        // the sample's current slot, unless the damage loses it
};

std::vector<int16_t> Ascending_Except(const std::vector<int16_t>& Used) {
    std::vector<int16_t> Nodes;
    for (int16_t N = 0; N < MAX_NODES; ++N)
        if (std::find(Used.begin(), Used.end(), N) == Used.end()) Nodes.push_back(N);
    return Nodes;
}

class DamagedLists : public testing::TestWithParam<Damage> {};

// The sample list runs 4, 1, 2, 0 from the top; node 3 is free but keeps its record.
TEST_P(DamagedLists, KeepTheReachableSlotsAndRebuildTheFreeStack) {
    const SlotList Sample = Sample_List();
    SlotList Damaged = Sample;
    Header H;
    GetParam().Apply(Damaged, H);
    MemoryFileStore Files;
    Files.Files["f"] = File_1_00_50(H, Fonts{}, Damaged);
    SettingsStore Store(Files);
    SlotList List;
    Settings S;
    Store.Load_From("f", {}, List, S);

    ASSERT_TRUE(Is_Valid_List(List));
    EXPECT_EQ(Order(List), GetParam().Kept);
    EXPECT_EQ(Free_Order(List), Ascending_Except(GetParam().Kept));
    for (int16_t N : Free_Order(List)) {
        EXPECT_EQ(List.Nodes[N].PrevNode, NIL_NODE);
        EXPECT_EQ(List.Nodes[N].NextNode, NIL_NODE);
    }
    for (int I = 0; I < MAX_NODES; ++I) EXPECT_EQ(List.Nodes[I].Slot, Damaged.Nodes[I].Slot) << "records stay";
    EXPECT_EQ(S.CurSlot, GetParam().CurSlot);
    ASSERT_FALSE(Store.Report.Repairs.empty());
    EXPECT_TRUE(Store.Report.BackupPending);

    // What the repair gave is saved as a sound file.
    ASSERT_TRUE(Store.Save_To("f", List, S));
    SlotList Again;
    Store.Load_From("f", {}, Again, S);
    EXPECT_TRUE(Store.Report.Repairs.empty());
    EXPECT_EQ(Again.Nodes, List.Nodes);
}

const std::vector<int16_t> All = {4, 1, 2, 0};
INSTANTIATE_TEST_SUITE_P(
    Table, DamagedLists,
    testing::Values(
        Damage{"LastPosWrong", [](SlotList& L, Header&) { L.LastPos = 9; }, All},
        Damage{"FreeTopWrong", [](SlotList& L, Header&) { L.FreeTop = 3; }, All},
        Damage{"CountsOutOfRange", [](SlotList& L, Header&) { L.LastPos = 30000, L.FreeTop = -29931; }, All},
        Damage{"HeadOutOfRange", [](SlotList& L, Header&) { L.HeadNode = 500; }, {}, NIL_NODE},
        Damage{"HeadNegative", [](SlotList& L, Header&) { L.HeadNode = -1; }, {}, NIL_NODE},
        Damage{"HeadNilInAFullHeader", [](SlotList& L, Header&) { L.HeadNode = NIL_NODE; }, {}, NIL_NODE},
        Damage{"TailLinksBackToHead", [](SlotList& L, Header&) { L.Nodes[0].NextNode = 4; }, All},
        Damage{"LinkNotMutual", [](SlotList& L, Header&) { L.Nodes[2].PrevNode = 0; }, {4, 1}, NIL_NODE},
        Damage{"NextOutOfRange", [](SlotList& L, Header&) { L.Nodes[1].NextNode = 300; }, {4, 1}, NIL_NODE},
        Damage{"HeadLinksUpwards", [](SlotList& L, Header&) { L.Nodes[4].PrevNode = 2; }, All},
        Damage{"TailNotLast", [](SlotList& L, Header&) { L.TailNode = 1; }, All},
        Damage{"ListLongerThanHeaderSays",
               [](SlotList& L, Header&) {
                   L.Nodes[0].NextNode = 3, L.Nodes[3].PrevNode = 0;  // free node 3 hangs below the tail
               },
               {4, 1, 2, 0, 3}},
        Damage{"FreeEntryTwice", [](SlotList& L, Header&) { L.FreeStack[L.FreeTop] = L.FreeStack[0]; }, All},
        Damage{"FreeEntryInTheList", [](SlotList& L, Header&) { L.FreeStack[L.FreeTop] = 4; }, All},
        Damage{"FreeEntryOutOfRange", [](SlotList& L, Header&) { L.FreeStack[0] = -5; }, All},
        Damage{"CurSlotIsAFreeNode", [](SlotList&, Header& H) { H.CurSlot = 3; }, All, NIL_NODE},
        Damage{"CurSlotOutOfRange", [](SlotList&, Header& H) { H.CurSlot = -300; }, All, NIL_NODE}),
    [](const testing::TestParamInfo<Damage>& Info) { return std::string(Info.param.Name); });

TEST(DamagedLists, EmptyHeaderWithGarbageFreeStackBecomesAFreshList) {
    SlotList L;
    L.FreeStack.fill(7);
    Header H;
    H.CurSlot = NIL_NODE;
    MemoryFileStore Files;
    Files.Files["f"] = File_1_00_50(H, Fonts{}, L);
    SettingsStore Store(Files);
    SlotList List;
    Settings S;
    Store.Load_From("f", {}, List, S);
    EXPECT_EQ(Store.Report.Repairs.size(), 1u);
    EXPECT_EQ(List.FreeStack, SlotList{}.FreeStack);
    EXPECT_TRUE(Order(List).empty());
}

}  // namespace
}  // namespace slotpad
