#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "slotpad/store/LinkList.h"
#include "tests/store/ListChecks.h"

namespace slotpad {
namespace {

using fixture::Free_Order;
using fixture::Is_Valid_List;
using fixture::Order;

// Each inserted record is named after the node it lands in, so that a move that loses
// or swaps a record shows.
std::string Name(int16_t Node) { return "r" + std::to_string(Node); }

struct Step {
    enum Kind { Insert, Remove, Move } What;
    int16_t A;             // Insert: position; Remove: node; Move: from
    int16_t B = 0;         // Insert: node it must get; Move: after
    bool Result = true;
};
Step Ins(int16_t Pos, int16_t Expect) { return {Step::Insert, Pos, Expect}; }
Step Rem(int16_t Node, bool Result = true) { return {Step::Remove, Node, 0, Result}; }
Step Mov(int16_t From, int16_t After, bool Result = true) { return {Step::Move, From, After, Result}; }

struct ListCase {
    const char* Name;
    std::vector<Step> Steps;
    std::vector<int16_t> Expected;  // nodes from the top
};

class ListOperations : public testing::TestWithParam<ListCase> {};

TEST_P(ListOperations, GiveTheOrderAndKeepTheInvariants) {
    SlotList L;
    for (const Step& S : GetParam().Steps) {
        switch (S.What) {
            case Step::Insert: {
                int16_t New = -1;
                ASSERT_TRUE(L.Insert_Node({VB_FALSE, Name(S.B), "d"}, S.A, New));
                ASSERT_EQ(New, S.B);
                break;
            }
            case Step::Remove: ASSERT_EQ(L.Remove_Node(S.A), S.Result); break;
            case Step::Move: ASSERT_EQ(L.Move_Node(S.A, S.B), S.Result); break;
        }
        ASSERT_TRUE(Is_Valid_List(L));
    }
    EXPECT_EQ(Order(L), GetParam().Expected);
    for (int16_t N : Order(L)) EXPECT_EQ(L.Nodes[N].Slot.Text, Name(N));
}

const int16_t B = POS_BOTTOM, T = POS_TOP;
INSTANTIATE_TEST_SUITE_P(
    Table, ListOperations,
    testing::Values(
        ListCase{"BottomInsertsTakeNodesInOrder", {Ins(B, 0), Ins(B, 1), Ins(B, 2)}, {0, 1, 2}},
        ListCase{"TopInserts", {Ins(T, 0), Ins(T, 1), Ins(T, 2)}, {2, 1, 0}},
        ListCase{"NilPositionMeansTop", {Ins(B, 0), Ins(B, 1), Ins(NIL_NODE, 2)}, {2, 0, 1}},
        ListCase{"TailPositionAppends", {Ins(B, 0), Ins(B, 1), Ins(1, 2)}, {0, 1, 2}},
        ListCase{"NodePositionGoesBelowIt", {Ins(B, 0), Ins(B, 1), Ins(B, 2), Ins(0, 3)}, {0, 3, 1, 2}},
        ListCase{"AnyPositionIntoEmptyListIsTop", {Ins(5, 0)}, {0}},
        ListCase{"RemoveHead", {Ins(B, 0), Ins(B, 1), Ins(B, 2), Rem(0)}, {1, 2}},
        ListCase{"RemoveTail", {Ins(B, 0), Ins(B, 1), Ins(B, 2), Rem(2)}, {0, 1}},
        ListCase{"RemoveMiddle", {Ins(B, 0), Ins(B, 1), Ins(B, 2), Rem(1)}, {0, 2}},
        ListCase{"RemoveOnlyThenEmptyRemoveFails", {Ins(B, 0), Rem(0), Rem(0, false)}, {}},
        ListCase{"LastFreedIsFirstUsed", {Ins(B, 0), Ins(B, 1), Ins(B, 2), Rem(0), Rem(2), Ins(B, 2), Ins(B, 0)},
                 {1, 2, 0}},
        ListCase{"MoveBelowNodeAboveChangesNothing", {Ins(B, 0), Ins(B, 1), Ins(B, 2), Mov(1, 0)}, {0, 1, 2}},
        ListCase{"MoveToTop", {Ins(B, 0), Ins(B, 1), Ins(B, 2), Mov(2, T)}, {2, 0, 1}},
        ListCase{"MoveToBottom", {Ins(B, 0), Ins(B, 1), Ins(B, 2), Mov(0, B)}, {1, 2, 0}},
        ListCase{"MoveBelowNode", {Ins(B, 0), Ins(B, 1), Ins(B, 2), Ins(B, 3), Mov(3, 0)}, {0, 3, 1, 2}},
        ListCase{"MoveHeadBelowTail", {Ins(B, 0), Ins(B, 1), Ins(B, 2), Mov(0, 2)}, {1, 2, 0}},
        ListCase{"MoveRefusals",
                 {Ins(B, 0), Ins(B, 1), Mov(0, NIL_NODE, false), Mov(1, 1, false), Mov(NIL_NODE, 0, false)},
                 {0, 1}}),
    [](const testing::TestParamInfo<ListCase>& Info) { return std::string(Info.param.Name); });

TEST(SlotList, StartsAsInitListLeavesIt) {
    SlotList L;
    EXPECT_EQ(L.HeadNode, NIL_NODE);
    EXPECT_EQ(L.TailNode, NIL_NODE);
    EXPECT_EQ(L.LastPos, -1);
    EXPECT_EQ(L.FreeTop, 70);
    for (int I = 0; I < MAX_NODES; ++I) {
        EXPECT_EQ(L.FreeStack[I], 70 - I);
        EXPECT_EQ(L.Nodes[I].PrevNode, NIL_NODE);
        EXPECT_EQ(L.Nodes[I].NextNode, NIL_NODE);
    }
    std::vector<int16_t> Ascending(MAX_NODES);
    for (int I = 0; I < MAX_NODES; ++I) Ascending[I] = static_cast<int16_t>(I);
    EXPECT_EQ(Free_Order(L), Ascending);
}

TEST(SlotList, InitListEmptiesButKeepsRecords) {
    SlotList L;
    int16_t N = 0;
    L.Insert_Node({VB_TRUE, "kept", "too"}, POS_BOTTOM, N);
    L.Insert_Node({VB_FALSE, "also", ""}, POS_BOTTOM, N);
    L.Init_List();
    EXPECT_TRUE(Order(L).empty());
    EXPECT_TRUE(Is_Valid_List(L));
    EXPECT_EQ(L.Nodes[0].Slot, (SlotRecord{VB_TRUE, "kept", "too"}));
    EXPECT_EQ(L.Nodes[1].NextNode, NIL_NODE);
}

TEST(SlotList, FullListRefusesInsertAndStaysUnchanged) {
    SlotList L;
    int16_t N = 0;
    for (int I = 0; I < MAX_NODES; ++I) ASSERT_TRUE(L.Insert_Node({VB_FALSE, Name(I), ""}, POS_BOTTOM, N));
    EXPECT_EQ(L.LastPos, 70);
    EXPECT_EQ(L.FreeTop, -1);
    const SlotList Before = L;
    EXPECT_FALSE(L.Insert_Node({VB_TRUE, "one too many", ""}, POS_TOP, N));
    EXPECT_EQ(N, NO_FREE_NODE);
    EXPECT_EQ(L.Pop_Free_Node(), NO_FREE_NODE);
    EXPECT_EQ(L.Nodes, Before.Nodes);
    EXPECT_EQ(Order(L), Order(Before));
    EXPECT_EQ(L.FreeTop, -1);

    // A move still works on a full list: its remove frees the node that its insert takes.
    EXPECT_TRUE(L.Move_Node(0, POS_BOTTOM));
    EXPECT_EQ(Order(L).back(), 0);
    EXPECT_TRUE(Is_Valid_List(L));
}

TEST(SlotList, RemovedRecordStaysUntilNodeIsReused) {
    SlotList L;
    int16_t N = 0;
    L.Insert_Node({VB_TRUE, "secret", "desc"}, POS_BOTTOM, N);
    L.Insert_Node({VB_FALSE, "other", ""}, POS_BOTTOM, N);
    ASSERT_TRUE(L.Remove_Node(0));
    EXPECT_EQ(L.Nodes[0].Slot, (SlotRecord{VB_TRUE, "secret", "desc"}));
    EXPECT_EQ(L.Nodes[0].PrevNode, NIL_NODE);
    EXPECT_EQ(L.Nodes[0].NextNode, NIL_NODE);
    L.Insert_Node({VB_FALSE, "new", ""}, POS_TOP, N);
    EXPECT_EQ(N, 0);
    EXPECT_EQ(L.Nodes[0].Slot.Text, "new");
}

TEST(SlotList, InsertCopiesTheRecord) {
    SlotList L;
    SlotRecord Rec{VB_FALSE, "text", "description"};
    int16_t N = 0;
    L.Insert_Node(Rec, POS_TOP, N);
    Rec.Text = "changed";
    EXPECT_EQ(L.Nodes[N].Slot.Text, "text");
}

}  // namespace
}  // namespace slotpad
