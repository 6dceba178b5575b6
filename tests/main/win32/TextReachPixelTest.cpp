// Handing DrawTextA only what can reach a row must not change a single pixel: every
// nasty text, at widths around and well beyond the text cell's insets, drawn whole and
// drawn cut, gives the same surface.

#include <gtest/gtest.h>

#include "tests/main/win32/NastyTexts.h"
#include "tests/main/win32/PanelRig.h"

namespace slotpad::testing {
namespace {

TEST(TextReachPixels, CutTextsDrawExactlyTheWholeTextsPixels) {
    const std::vector<std::string> texts = NastyTexts(71);
    for (int width : {49, 54, 55, 56, 57, 60, 75, 97, 160, 233, 400, 640, 1000}) {
        PanelRig rig(width, texts);
        rig.MakeCurrent(3);
        rig.Start();
        const std::vector<COLORREF> cut = rig.surface.Pixels();
        rig.panel.SetDrawWholeTexts(true);
        rig.panel.Refresh_Pics();
        const std::vector<COLORREF> whole = rig.surface.Pixels();
        ASSERT_EQ(cut.size(), whole.size());
        const int bufferWidth = rig.surface.BufferWidth();
        int differing = 0;
        for (size_t i = 0; i < cut.size(); ++i) {
            if (cut[i] != whole[i] && differing++ < 3)
                ADD_FAILURE() << "width " << width << ": pixel " << i % bufferWidth << "," << i / bufferWidth
                              << " (row " << i / bufferWidth / 24 << ")";
        }
        EXPECT_EQ(differing, 0) << "width " << width;
    }
}

}  // namespace
}  // namespace slotpad::testing
