#include "slotpad/store/LinkList.h"

namespace slotpad {

void SlotList::Init_List() {
    for (int16_t I = 0; I < MAX_NODES; ++I) {
        Nodes[I].PrevNode = NIL_NODE;
        Nodes[I].NextNode = NIL_NODE;
        // Filled in reverse so that a fresh list hands out nodes 0, 1, 2, ...
        FreeStack[I] = static_cast<int16_t>(MAX_NODES - 1 - I);
    }
    HeadNode = NIL_NODE;
    TailNode = NIL_NODE;
    LastPos = -1;
    FreeTop = MAX_NODES - 1;
}

int16_t SlotList::Pop_Free_Node() {
    if (FreeTop < 0) return NO_FREE_NODE;
    return FreeStack[FreeTop--];
}

bool SlotList::Insert_Node(const SlotRecord& Rec, int16_t Pos, int16_t& NewNode) {
    const int16_t New = Pop_Free_Node();
    NewNode = New;
    if (New == NO_FREE_NODE) return false;

    ListNode& N = Nodes[New];
    if (Pos == POS_TOP || Pos == NIL_NODE || HeadNode == NIL_NODE) {
        N.NextNode = HeadNode;
        N.PrevNode = NIL_NODE;
        N.Slot = Rec;
        if (HeadNode != NIL_NODE)
            Nodes[HeadNode].PrevNode = New;
        else
            TailNode = New;
        HeadNode = New;
    } else if (Pos == POS_BOTTOM || Pos == TailNode) {
        N.NextNode = NIL_NODE;
        N.PrevNode = TailNode;
        N.Slot = Rec;
        if (TailNode != NIL_NODE)
            Nodes[TailNode].NextNode = New;
        else
            HeadNode = New;
        TailNode = New;
    } else {
        ListNode& Above = Nodes[Pos];
        N.NextNode = Above.NextNode;
        N.PrevNode = Pos;
        N.Slot = Rec;
        if (Above.NextNode != NIL_NODE) Nodes[Above.NextNode].PrevNode = New;
        Above.NextNode = New;
    }
    ++LastPos;
    return true;
}

bool SlotList::Remove_Node(int16_t Node) {
    if (FreeTop >= MAX_NODES - 1) return false;
    FreeStack[++FreeTop] = Node;

    ListNode& N = Nodes[Node];
    if (N.PrevNode != NIL_NODE) {
        Nodes[N.PrevNode].NextNode = N.NextNode;
    } else if (N.NextNode != NIL_NODE) {
        Nodes[N.NextNode].PrevNode = NIL_NODE;
        HeadNode = N.NextNode;
    } else {
        HeadNode = NIL_NODE;
    }

    if (N.NextNode != NIL_NODE) {
        Nodes[N.NextNode].PrevNode = N.PrevNode;
    } else if (N.PrevNode != NIL_NODE) {
        Nodes[N.PrevNode].NextNode = NIL_NODE;
        TailNode = N.PrevNode;
    } else {
        TailNode = NIL_NODE;
    }

    N.PrevNode = NIL_NODE;
    N.NextNode = NIL_NODE;
    --LastPos;
    return true;
}

bool SlotList::Move_Node(int16_t FromNode, int16_t AfterNode) {
    if (AfterNode == NIL_NODE || FromNode == AfterNode || FromNode == NIL_NODE) return false;
    if (!Remove_Node(FromNode)) return false;
    // The insert pops the node just pushed, so the record is copied onto itself: no
    // temporary copy of a text that may be 64 KiB long is needed.
    int16_t Ignored = NIL_NODE;
    return Insert_Node(Nodes[FromNode].Slot, AfterNode, Ignored);
}

}  // namespace slotpad
