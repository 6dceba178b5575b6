// Feeds arbitrary bytes to the settings loader as the file beside the program. Besides
// crashes, it checks what every load must give: a consistent list, a current slot in it,
// and a file that the next load takes without a repair and saves byte for byte again.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "slotpad/store/ListRepair.h"
#include "slotpad/store/SettingsFile.h"
#include "tests/support/MemoryFileStore.h"

namespace {

void Require(bool Condition) {
    if (!Condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    using namespace slotpad;
    MemoryFileStore Files;
    Files.Files["SlotPad.ini"].assign(reinterpret_cast<const char*>(Data), Size);
    SettingsStore Store(Files);
    SlotList List;
    Settings S;
    Store.Load_From("SlotPad.ini", {}, List, S);

    Require(Find_List_Fault(List).empty());
    Require(S.CurSlot == NIL_NODE || Is_In_List(List, S.CurSlot));
    // Walk as the panel does and touch every record it reaches.
    size_t Bytes = 0;
    int16_t Node = List.HeadNode;
    for (int I = 0; I <= List.LastPos; ++I) {
        Require(SlotList::Is_Node(Node));
        Bytes += List.Nodes[Node].Slot.Text.size() + List.Nodes[Node].Slot.Description.size();
        Node = List.Nodes[Node].NextNode;
    }
    Require(Node == NIL_NODE);

    Require(Store.Save_To("SlotPad.ini", List, S));
    const std::string First = Files.Files["SlotPad.ini"];
    SlotList Again;
    Settings S2;
    Store.Load_From("SlotPad.ini", {}, Again, S2);
    Require(Store.Report.Kind == FileKind::V1_00_50 && Store.Report.Repairs.empty());
    // Settings are compared through the bytes below: a font size may be NaN.
    Require(Again.Nodes == List.Nodes && Again.FreeStack == List.FreeStack && S2.CurSlot == S.CurSlot);
    Require(Store.Save_To("SlotPad.ini", Again, S2));
    Require(Files.Files["SlotPad.ini"] == First);
    return Bytes == SIZE_MAX;  // keeps the walk from being optimised away; always 0
}
