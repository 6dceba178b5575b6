// Repaints leave the rows whose pixels cannot have changed as they are. Whatever happened
// before, the back buffer must then hold exactly what a repaint from scratch paints.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/main/win32/NastyTexts.h"
#include "tests/main/win32/PanelRig.h"

namespace slotpad::testing {
namespace {

// What the window shows: the buffer grows with the window but never shrinks.
std::vector<COLORREF> ClientPixels(const PanelRig& rig) {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < rig.window.clientHeight; ++y)
        for (int x = 0; x < rig.window.clientWidth; ++x) pixels.push_back(rig.At(x, y));
    return pixels;
}

// The same slots, settings and width, painted by a new panel on a new surface.
std::vector<COLORREF> PaintedFromScratch(const PanelRig& shown) {
    PanelRig fresh(shown.window.clientWidth);
    fresh.list = shown.list;
    fresh.settings = shown.settings;
    fresh.Start();
    return ClientPixels(fresh);
}

TEST(IncrementalRepaint, EveryRepaintEqualsARepaintFromScratch) {
    std::vector<std::string> texts = NastyTexts(12);
    texts[3] = "short";
    texts[4] = "Short";
    PanelRig rig(232, texts);
    rig.Start();

    uint32_t seed = 12345;
    const auto next = [&seed](uint32_t n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    for (int step = 0; step < 80; ++step) {
        const int row = static_cast<int>(next(12));
        SlotRecord& slot = rig.Slot(row);
        const uint32_t action = next(7);
        switch (action) {
            case 0: rig.MakeCurrent(row); break;
            case 1: rig.settings.CurSlot = NIL_NODE; break;
            case 2: slot.Locked = static_cast<int16_t>(~slot.Locked); break;
            case 3:  // same length, other letters: the buffer of the string is reused
                for (char& c : slot.Text) c = c == 'a' ? 'b' : 'a';
                break;
            case 4: slot.Text = rig.Slot(static_cast<int>(next(12))).Text; break;
            case 5: rig.list.Move_Node(rig.nodes[static_cast<size_t>(row)], POS_TOP); break;
            case 6:
                rig.window.clientWidth = 100 + static_cast<int>(next(300));
                rig.panel.Form_Resize();
                break;
        }
        rig.panel.Refresh_Pics();
        ASSERT_EQ(ClientPixels(rig), PaintedFromScratch(rig)) << "after step " << step << ", action " << action;
    }
}

TEST(IncrementalRepaint, AColourChangeRepaintsRowsThatDidNotChange) {
    PanelRig rig(232, {"one", "two"});
    rig.Start();
    {
        ColorScheme scheme({{COLOR_WINDOW, RGB(10, 200, 30)}, {COLOR_BTNFACE, RGB(200, 10, 30)}});
        rig.panel.Sys_SysColorsChanged();
        EXPECT_EQ(ClientPixels(rig), PaintedFromScratch(rig));
    }
    rig.panel.Sys_SysColorsChanged();
    EXPECT_EQ(ClientPixels(rig), PaintedFromScratch(rig));
}

}  // namespace
}  // namespace slotpad::testing
