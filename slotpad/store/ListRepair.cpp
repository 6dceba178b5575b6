#include "slotpad/store/ListRepair.h"

#include <array>

namespace slotpad {

std::string Find_List_Fault(const SlotList& List) {
    const int LastPos = List.LastPos, FreeTop = List.FreeTop;
    if (LastPos < -1 || LastPos >= MAX_NODES) return "LastPos " + std::to_string(LastPos) + " is out of range";
    if (FreeTop < -1 || FreeTop >= MAX_NODES) return "FreeTop " + std::to_string(FreeTop) + " is out of range";
    if (LastPos + FreeTop != MAX_NODES - 2)
        return "LastPos + FreeTop is " + std::to_string(LastPos + FreeTop) + ", not 69";

    std::array<bool, MAX_NODES> Seen{};
    int16_t Prev = NIL_NODE;
    int16_t Node = List.HeadNode;
    for (int I = 0; I <= LastPos; ++I) {
        if (!SlotList::Is_Node(Node)) return "slot " + std::to_string(I) + " is node " + std::to_string(Node);
        if (Seen[Node]) return "the list runs into node " + std::to_string(Node) + " again";
        if (List.Nodes[Node].PrevNode != Prev)
            return "node " + std::to_string(Node) + " does not link back to the node above it";
        Seen[Node] = true;
        Prev = Node;
        Node = List.Nodes[Node].NextNode;
    }
    if (LastPos >= 0 && Node != NIL_NODE) return "the list goes on below its last slot";
    if (List.TailNode != Prev) return "TailNode " + std::to_string(List.TailNode) + " is not the last slot";
    if (LastPos < 0 && List.HeadNode != NIL_NODE) return "HeadNode " + std::to_string(List.HeadNode) + " in an empty list";

    for (int I = 0; I <= FreeTop; ++I) {
        const int16_t Free = List.FreeStack[I];
        if (!SlotList::Is_Node(Free) || Seen[Free])
            return "free stack entry " + std::to_string(I) + " is node " + std::to_string(Free);
        Seen[Free] = true;
    }
    return {};
}

int Rebuild_List(SlotList& List) {
    std::array<bool, MAX_NODES> InList{};
    std::array<int16_t, MAX_NODES> Chain{};
    int Count = 0;
    for (int16_t Prev = NIL_NODE, Node = List.HeadNode;
         SlotList::Is_Node(Node) && !InList[Node] && (Prev == NIL_NODE || List.Nodes[Node].PrevNode == Prev);
         Prev = Node, Node = List.Nodes[Node].NextNode) {
        InList[Node] = true;
        Chain[Count++] = Node;
    }

    for (int I = 0; I < Count; ++I) {
        ListNode& Node = List.Nodes[Chain[I]];
        Node.PrevNode = I > 0 ? Chain[I - 1] : NIL_NODE;
        Node.NextNode = I + 1 < Count ? Chain[I + 1] : NIL_NODE;
    }
    List.HeadNode = Count > 0 ? Chain[0] : NIL_NODE;
    List.TailNode = Count > 0 ? Chain[Count - 1] : NIL_NODE;
    List.LastPos = static_cast<int16_t>(Count - 1);

    // Highest index at the bottom of the stack, lowest on top, as a fresh list has them.
    int16_t Top = -1;
    for (int16_t Node = MAX_NODES - 1; Node >= 0; --Node) {
        if (InList[Node]) continue;
        List.Nodes[Node].PrevNode = NIL_NODE;
        List.Nodes[Node].NextNode = NIL_NODE;
        List.FreeStack[++Top] = Node;
    }
    List.FreeTop = Top;
    return Count;
}

bool Is_In_List(const SlotList& List, int16_t Node) {
    if (!SlotList::Is_Node(Node)) return false;
    int16_t N = List.HeadNode;
    for (int I = 0; I <= List.LastPos && I < MAX_NODES && SlotList::Is_Node(N); ++I) {
        if (N == Node) return true;
        N = List.Nodes[N].NextNode;
    }
    return false;
}

}  // namespace slotpad
