#pragma once
// Checks of the slot list's invariants written apart from the store's own repair code.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "slotpad/store/LinkList.h"

namespace slotpad::fixture {

// Node indices from the top, following NextNode for at most 72 steps.
inline std::vector<int16_t> Order(const SlotList& L) {
    std::vector<int16_t> Nodes;
    for (int16_t N = L.HeadNode; N != NIL_NODE && Nodes.size() <= MAX_NODES;) {
        Nodes.push_back(N);
        if (N < 0 || N >= MAX_NODES) break;
        N = L.Nodes[N].NextNode;
    }
    return Nodes;
}

// The order in which the free stack hands out nodes.
inline std::vector<int16_t> Free_Order(SlotList L) {
    std::vector<int16_t> Nodes;
    for (int16_t N = L.Pop_Free_Node(); N != NO_FREE_NODE; N = L.Pop_Free_Node()) Nodes.push_back(N);
    return Nodes;
}

inline testing::AssertionResult Is_Valid_List(const SlotList& L) {
    const std::vector<int16_t> Nodes = Order(L);
    std::set<int16_t> Used;
    for (size_t I = 0; I < Nodes.size(); ++I) {
        const int16_t N = Nodes[I];
        if (N < 0 || N >= MAX_NODES) return testing::AssertionFailure() << "node " << N << " out of range";
        if (!Used.insert(N).second) return testing::AssertionFailure() << "node " << N << " twice";
        const int16_t Above = I == 0 ? NIL_NODE : Nodes[I - 1];
        if (L.Nodes[N].PrevNode != Above) return testing::AssertionFailure() << "node " << N << " links back wrongly";
    }
    if (static_cast<int>(Nodes.size()) != L.LastPos + 1)
        return testing::AssertionFailure() << Nodes.size() << " slots but LastPos " << L.LastPos;
    if (L.TailNode != (Nodes.empty() ? NIL_NODE : Nodes.back()))
        return testing::AssertionFailure() << "TailNode " << L.TailNode;
    if (L.LastPos + L.FreeTop != 69) return testing::AssertionFailure() << "LastPos + FreeTop != 69";
    for (int I = 0; I <= L.FreeTop; ++I) {
        const int16_t F = L.FreeStack[I];
        if (F < 0 || F >= MAX_NODES || !Used.insert(F).second)
            return testing::AssertionFailure() << "free entry " << I << " is " << F;
    }
    return testing::AssertionSuccess();
}

}  // namespace slotpad::fixture
