#pragma once
// Checking and mending a slot list that was restored from a file as stored.

#include <cstdint>
#include <string>

#include "slotpad/store/LinkList.h"

namespace slotpad {

// What is wrong with the list's header, links or free stack, or empty when it is
// consistent: LastPos + FreeTop is 69, the walk from HeadNode meets LastPos + 1 distinct
// nodes with mutual links ending at TailNode, and the free entries name the other nodes.
std::string Find_List_Fault(const SlotList& List);

// Keeps the chain that walking from HeadNode accepts (a node in 0..70, not yet met, whose
// PrevNode names the node before it) as the list, and rebuilds the free stack from all
// other nodes so that the lowest free index is handed out first. Records stay. Returns the
// number of slots kept.
int Rebuild_List(SlotList& List);

// Whether Node is one of the slots reached from HeadNode.
bool Is_In_List(const SlotList& List, int16_t Node);

}  // namespace slotpad
