#pragma once
// The slot list: a doubly linked list laid over a fixed array of 71 nodes, with a stack
// of free node indices. Slots are addressed by node index everywhere in the program, so
// an index never changes while its slot stays in the list.

#include <array>
#include <cstdint>
#include <string>

namespace slotpad {

inline constexpr int16_t MAX_NODES = 71;
inline constexpr int16_t NIL_NODE = 9988;
inline constexpr int16_t POS_TOP = 1101;
inline constexpr int16_t POS_BOTTOM = 9909;
inline constexpr int16_t PLACE_NEXT = 2;
inline constexpr int16_t NO_FREE_NODE = 1001;

// 16-bit Booleans as the file and the rest of the program store them.
inline constexpr int16_t VB_TRUE = -1;
inline constexpr int16_t VB_FALSE = 0;

struct SlotRecord {
    int16_t Locked = VB_FALSE;
    std::string Text;         // ANSI bytes exactly as taken from the clipboard
    std::string Description;  // ANSI bytes

    friend bool operator==(const SlotRecord&, const SlotRecord&) = default;
};

struct ListNode {
    int16_t PrevNode = NIL_NODE;
    int16_t NextNode = NIL_NODE;
    SlotRecord Slot;

    friend bool operator==(const ListNode&, const ListNode&) = default;
};

// The one list of the program. Its state is public because the settings file restores
// and writes it directly, and the panel and capture code walk it.
class SlotList {
public:
    std::array<ListNode, MAX_NODES> Nodes;
    int16_t HeadNode = NIL_NODE;
    int16_t TailNode = NIL_NODE;
    int16_t LastPos = -1;
    std::array<int16_t, MAX_NODES> FreeStack{};
    int16_t FreeTop = MAX_NODES - 1;

    SlotList() { Init_List(); }

    // Empties the list; records stay in their nodes until a node is taken again.
    void Init_List();
    // Takes a free node and links it in at Pos: POS_TOP or NIL_NODE (or an empty list)
    // puts it at the top, POS_BOTTOM or the current TailNode at the bottom, a node index
    // directly below that node. False with NewNode = NO_FREE_NODE when the list is full.
    bool Insert_Node(const SlotRecord& Rec, int16_t Pos, int16_t& NewNode);
    // Unlinks Node (which must be in the list) and pushes it on the free stack.
    bool Remove_Node(int16_t Node);
    // Moves FromNode's slot below AfterNode (or to POS_TOP / POS_BOTTOM); the slot keeps
    // its index because the remove pushes the node that the insert pops again.
    bool Move_Node(int16_t FromNode, int16_t AfterNode);
    int16_t Pop_Free_Node();

    static constexpr bool Is_Node(int16_t Index) { return Index >= 0 && Index < MAX_NODES; }
};

}  // namespace slotpad
