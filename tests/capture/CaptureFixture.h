#pragma once
// A slot list, settings, an in-memory clipboard wired to the capture code, and a panel
// that counts its repaints.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "slotpad/capture/Capture.h"
#include "tests/support/MemoryClipboard.h"

namespace slotpad::testing {

class CountingPanel : public PanelRefresh {
public:
    int refreshes = 0;
    int resizes = 0;
    void Refresh_Pics() override { ++refreshes; }
    void Form_Resize() override { ++resizes; }
};

// A slot as the tests write it: "text", "*text" for a locked slot, "_" for a blank one.
inline SlotRecord SlotFrom(const std::string& spec) {
    if (spec == "_") return SlotRecord{};
    if (!spec.empty() && spec[0] == '*') return SlotRecord{VB_TRUE, spec.substr(1), spec.substr(1)};
    return SlotRecord{VB_FALSE, spec, spec};
}

class CaptureFixture : public ::testing::Test {
protected:
    CaptureFixture() {
        clipboard.onChange = [this] { capture.Clip_NewClipboardElement(); };
    }

    // Fills the list from the top; the slots get nodes 0, 1, 2, ... in that order.
    void Fill(const std::vector<std::string>& slots) {
        list.Init_List();
        for (const auto& s : slots) {
            int16_t node = 0;
            ASSERT_TRUE(list.Insert_Node(SlotFrom(s), POS_BOTTOM, node));
        }
    }

    // The list from the top, in the notation of SlotFrom (descriptions not shown).
    std::vector<std::string> Slots() const {
        std::vector<std::string> out;
        int16_t n = list.HeadNode;
        for (int i = 0; i <= list.LastPos && n != NIL_NODE; ++i) {
            const SlotRecord& r = list.Nodes[n].Slot;
            out.push_back(r == SlotRecord{} ? "_" : (r.Locked ? "*" : "") + r.Text);
            n = list.Nodes[n].NextNode;
        }
        return out;
    }

    SlotList list;
    Settings settings;
    MemoryClipboard clipboard;
    SlotRecord blankSlot;
    CountingPanel panel;
    Capture capture{list, settings, clipboard, blankSlot, panel};
};

}  // namespace slotpad::testing
