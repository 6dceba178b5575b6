#include <gtest/gtest.h>

#include "slotpad/dialogs/EditSel.h"
#include "tests/support/DialogWindowFakes.h"

namespace slotpad {
namespace {

using testing::FakeEditSelWindow;
using C = EditSelControl;

TEST(EditSelMax, GivesTheLargerOfTwo) {
    const int cases[][3] = {{1, 2, 2}, {2, 1, 2}, {-5, 0, 0}, {0, -5, 0}, {3, 3, 3}, {-7, -9, -7}};
    for (const auto& c : cases) EXPECT_EQ(Max(c[0], c[1]), c[2]) << c[0] << ", " << c[1];
}

class EditSelDialog : public ::testing::Test {
protected:
    FakeEditSelWindow window;
    EditSel dialog{window};

    void Resize(int width, int height) {
        window.clientWidth = width;
        window.clientHeight = height;
        dialog.Form_Resize();
    }
};

struct ResizeCase {
    int width, height;
    TwipsRect editing, tipBack, tip, ok, cancel;
};

TEST_F(EditSelDialog, FormResizeLaysOutFromTheBottomRight) {
    const ResizeCase cases[] = {
        // The design's own client area.
        {4710, 3195, {0, 0, 4710, 2430}, {0, 2435, 4710, 375}, {1680, 0, 3030, 375}, {2750, 2815, 975, 375},
         {3730, 2815, 975, 375}},
        // Wider and taller: everything follows the corner, the boxes widen together.
        {9000, 6000, {0, 0, 9000, 5235}, {0, 5240, 9000, 375}, {1680, 0, 7320, 375}, {7040, 5620, 975, 375},
         {8020, 5620, 975, 375}},
        // Shorter than the strip and the buttons: no negative height, the strip goes up.
        {1000, 500, {0, 0, 1000, 0}, {0, -260, 1000, 375}, {1680, 0, 0, 375}, {-960, 120, 975, 375},
         {20, 120, 975, 375}},
        // Exactly the strip and the buttons: the text box just vanishes.
        {4710, 765, {0, 0, 4710, 0}, {0, 5, 4710, 375}, {1680, 0, 3030, 375}, {2750, 385, 975, 375},
         {3730, 385, 975, 375}},
    };
    for (const ResizeCase& c : cases) {
        Resize(c.width, c.height);
        EXPECT_EQ(window.placed[C::Editing], c.editing) << c.width << "x" << c.height;
        EXPECT_EQ(window.placed[C::TipBack], c.tipBack) << c.width << "x" << c.height;
        EXPECT_EQ(window.placed[C::Tip], c.tip) << c.width << "x" << c.height;
        EXPECT_EQ(window.placed[C::OKButton], c.ok) << c.width << "x" << c.height;
        EXPECT_EQ(window.placed[C::CancelButton], c.cancel) << c.width << "x" << c.height;
        EXPECT_EQ(dialog.Rect(C::Tip), c.tip);
    }
    EXPECT_EQ(window.placed.count(C::Label1), 0u) << "Label1 never moves";
}

TEST_F(EditSelDialog, TipFollowsTheStripOnlyWhenTheStripChangesSize) {
    Resize(6000, 3000);
    window.placeOrder.clear();
    Resize(6000, 4000);  // taller only: the strip moves but keeps its size
    EXPECT_EQ(std::count(window.placeOrder.begin(), window.placeOrder.end(), C::Tip), 0);
    Resize(7000, 4000);
    EXPECT_EQ(window.placed[C::Tip].Width, 7000 - 1680);
}

TEST_F(EditSelDialog, OkGivesBackBothBoxesAndCancelNothing) {
    window.whileShown = [&](EditSelEvents& e) {
        EXPECT_EQ(window.Text(C::Editing), "first\r\nsecond");
        EXPECT_EQ(window.Text(C::Tip), "desc");
        window.texts[C::Editing] = "first\r\nchanged";
        window.texts[C::Tip] = "new desc";
        e.OKButton_Click();
    };
    EXPECT_EQ(dialog.Show_Edit("first\nsecond", "desc"), (EditedSlot{"first\nchanged", "new desc"}));
    EXPECT_TRUE(dialog.OKPressed);
    EXPECT_FALSE(window.visible);

    window.whileShown = [&](EditSelEvents& e) {
        window.texts[C::Editing] = "lost";
        e.CancelButton_Click();
    };
    EXPECT_EQ(dialog.Show_Edit("text", "desc"), std::nullopt);
    EXPECT_FALSE(dialog.OKPressed);

    // The close box hides the window without an event: Cancel, even after an earlier OK.
    window.whileShown = [&](EditSelEvents&) { window.Hide(); };
    EXPECT_EQ(dialog.Show_Edit("text", "desc"), std::nullopt);
}

TEST_F(EditSelDialog, UnchangedTextsComeBackExactlyAsGiven) {
    window.whileShown = [](EditSelEvents& e) { e.OKButton_Click(); };
    const std::string texts[] = {"", "lone\nlf\n", "lone\rcr", "mixed\r\nends\nand\rmore", std::string("n\0ul", 4)};
    for (const std::string& text : texts) {
        const auto result = dialog.Show_Edit(text, "");
        ASSERT_TRUE(result);
        EXPECT_EQ(result->Text, text) << ::testing::PrintToString(text);
        EXPECT_EQ(result->Description, "");
    }
}

TEST_F(EditSelDialog, TheBoxesRefuseEditsBeyondTheFileLimit) {
    bool longPaste = true, fittingPaste = false, longTip = true;
    window.whileShown = [&](EditSelEvents& e) {
        const std::string current = window.Text(C::Editing);
        longPaste = window.Edit(e, C::Editing, current + std::string(BoxText::MaxBytes, 'p'));
        fittingPaste = window.Edit(e, C::Editing, current + std::string(BoxText::MaxBytes - current.size(), 'p'));
        longTip = window.Edit(e, C::Tip, std::string(BoxText::MaxBytes + 1, 't'));
        e.OKButton_Click();
    };
    const auto result = dialog.Show_Edit("abc", "tip");
    EXPECT_FALSE(longPaste);
    EXPECT_TRUE(fittingPaste);
    EXPECT_FALSE(longTip);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->Text.size(), BoxText::MaxBytes);
    EXPECT_EQ(result->Description, "tip");
}

}  // namespace
}  // namespace slotpad
