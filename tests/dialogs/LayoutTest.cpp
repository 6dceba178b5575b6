#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "slotpad/dialogs/AboutLayout.h"
#include "slotpad/dialogs/EditSelLayout.h"
#include "slotpad/dialogs/OptionsLayout.h"

namespace slotpad {
namespace {

struct PixelCase {
    int twips;
    int twipsPerPixel;
    int pixels;
};

TEST(TwipsToPixels, RoundsToTheNearestPixelWithTheGivenScale) {
    const PixelCase cases[] = {
        {120, 15, 8},    {7575, 15, 505}, {7575, 12, 631}, {3975, 12, 331}, {7, 15, 0},   {8, 15, 1},
        {5, 10, 1},      {-5, 10, -1},    {-10, 15, -1},   {-260, 15, -17}, {0, 15, 0},   {1440, 8, 180},
    };
    for (const PixelCase& c : cases)
        EXPECT_EQ(Twips_To_Pixels(c.twips, c.twipsPerPixel), c.pixels) << c.twips << " at " << c.twipsPerPixel;
}

TEST(TwipsToPixels, ConvertsARectangleEdgeByEdgeWithEachAxisOwnScale) {
    EXPECT_EQ(To_Pixels({240, 1080, 1695, 255}, 15, 12), (PixelRect{16, 90, 129, 111}));
    // Two buttons 5 twips apart: rounding the first one's left edge and width each up
    // would push its right edge past the second one's left edge.
    const PixelRect ok = To_Pixels({2408, 2815, 983, 375}, 15, 15);
    const PixelRect cancel = To_Pixels({3396, 2815, 975, 375}, 15, 15);
    EXPECT_LE(ok.Right, cancel.Left);
}

class EveryDialog : public ::testing::TestWithParam<const FormLayout*> {};

TEST_P(EveryDialog, ContainersExistBeforeWhatTheyHold) {
    const FormLayout& form = *GetParam();
    std::set<std::string_view> seen;
    for (const ControlLayout& control : form.Controls) {
        if (!control.Container.empty()) {
            EXPECT_TRUE(seen.count(control.Container)) << control.Name << " in " << control.Container;
            const ControlLayout* container = Find_Control(form, control.Container);
            ASSERT_NE(container, nullptr);
            EXPECT_TRUE(container->Kind == ControlKind::Frame || container->Kind == ControlKind::PictureBox);
        }
        EXPECT_TRUE(seen.insert(control.Name).second) << "two controls named " << control.Name;
    }
}

TEST_P(EveryDialog, TabOrderCountsFromZeroWithoutGaps) {
    const FormLayout& form = *GetParam();
    std::vector<int> orders;
    for (const ControlLayout& control : form.Controls)
        if (control.TabOrder != NO_TAB_STOP) orders.push_back(control.TabOrder);
    std::sort(orders.begin(), orders.end());
    for (std::size_t i = 0; i < orders.size(); ++i) EXPECT_EQ(orders[i], static_cast<int>(i)) << form.Name;
}

TEST_P(EveryDialog, ControlsLieInsideTheirContainer) {
    const FormLayout& form = *GetParam();
    for (const ControlLayout& control : form.Controls) {
        if (control.Kind == ControlKind::Line) continue;
        int width = form.ClientWidth;
        int height = form.ClientHeight;
        if (const ControlLayout* container = Find_Control(form, control.Container)) {
            width = container->Rect.Width;
            height = container->Rect.Height;
        }
        EXPECT_LE(control.Rect.Left + control.Rect.Width, width) << control.Name;
        EXPECT_LE(control.Rect.Top + control.Rect.Height, height) << control.Name;
    }
}

INSTANTIATE_TEST_SUITE_P(Designs, EveryDialog, ::testing::Values(&OptionsLayout, &EditSelLayout, &AboutLayout));

struct KeyCase {
    const FormLayout* form;
    std::string_view firstFocus;
    std::string_view cancel;
    std::string_view defaultButton;  // empty: none, so Enter does not close the dialog
};

TEST(DialogKeys, FocusEscAndEnterGoWhereTheDesignSays) {
    const KeyCase cases[] = {
        {&OptionsLayout, "CancelButton", "CancelButton", ""},
        {&EditSelLayout, "Editing", "CancelButton", ""},
        {&AboutLayout, "cmdOK", "cmdOK", "cmdOK"},
    };
    for (const KeyCase& c : cases) {
        const ControlLayout* focus = First_Focus(*c.form);
        ASSERT_NE(focus, nullptr);
        EXPECT_EQ(focus->Name, c.firstFocus);
        std::vector<std::string_view> cancels, defaults;
        for (const ControlLayout& control : c.form->Controls) {
            if (control.Cancel) cancels.push_back(control.Name);
            if (control.Default) defaults.push_back(control.Name);
        }
        EXPECT_EQ(cancels, std::vector<std::string_view>{c.cancel}) << c.form->Name;
        if (c.defaultButton.empty())
            EXPECT_TRUE(defaults.empty()) << c.form->Name;
        else
            EXPECT_EQ(defaults, std::vector<std::string_view>{c.defaultButton});
    }
}

TEST(OptionsDesign, NewsIsOneGroupOfThreeOptionButtonsInFrame1) {
    std::vector<std::string_view> members;
    int groupStarts = 0;
    for (const ControlLayout& control : OptionsLayout.Controls)
        if (control.Kind == ControlKind::OptionButton) {
            members.push_back(control.Name);
            EXPECT_EQ(control.Container, "Frame1");
            groupStarts += control.GroupStart;
        }
    EXPECT_EQ(members, (std::vector<std::string_view>{"News(0)", "News(1)", "News(2)"}));
    EXPECT_EQ(groupStarts, 1);
    EXPECT_TRUE(Find_Control(OptionsLayout, "News(0)")->GroupStart);
}

TEST(OptionsDesign, FormIsAFixedDialogOwnedByMainAndNotInTheTaskbar) {
    EXPECT_EQ(OptionsLayout.Caption, "SlotPad Options");
    EXPECT_EQ(OptionsLayout.Border, FormBorder::FixedDialog);
    EXPECT_FALSE(OptionsLayout.MinMaxButtons);
    EXPECT_FALSE(OptionsLayout.ShowInTaskbar);
    EXPECT_TRUE(OptionsLayout.OwnedByMain);
    EXPECT_EQ(To_Pixels({0, 0, OptionsLayout.ClientWidth, OptionsLayout.ClientHeight}, 15, 15),
              (PixelRect{0, 0, 505, 265}));
}

TEST(EditSelDesign, FormIsSizableWithMinimizeAndMaximize) {
    EXPECT_EQ(EditSelLayout.Caption, "Edit Selection");
    EXPECT_EQ(EditSelLayout.Border, FormBorder::Sizable);
    EXPECT_TRUE(EditSelLayout.MinMaxButtons);
    EXPECT_FALSE(EditSelLayout.ShowInTaskbar);
    EXPECT_TRUE(EditSelLayout.OwnedByMain);
    EXPECT_EQ(Find_Control(EditSelLayout, "Editing")->Kind, ControlKind::MultiLineTextBox);
    EXPECT_EQ(Find_Control(EditSelLayout, "Tip")->Container, "TipBack");
}

TEST(AboutDesign, TwoLinesDrawAnEtchedSeparator) {
    const ControlLayout* gray = Find_Control(AboutLayout, "Line1(1)");
    const ControlLayout* white = Find_Control(AboutLayout, "Line1(0)");
    ASSERT_TRUE(gray && white);
    EXPECT_EQ(gray->LineColor, 0x808080u);
    EXPECT_EQ(white->LineColor, 0xFFFFFFu);
    EXPECT_EQ(white->LineWidthPixels, 2);
    // The white line lies one pixel (at 15 twips per pixel) below and right of the gray one.
    EXPECT_EQ(white->Rect.Top - gray->Rect.Top, 15);
    EXPECT_EQ(white->Rect.Left - gray->Rect.Left, 15);
    EXPECT_FALSE(AboutLayout.OwnedByMain);
}

}  // namespace
}  // namespace slotpad
