// The Options dialog and the About box as the main form opens them from its menu: the
// settings change only after OK, and only one of our dialogs is open at a time.

#include <gtest/gtest.h>

#include "tests/form/FormDesktop.h"

namespace slotpad::testing {
namespace {

class FormDialogsTest : public ::testing::Test, protected FormDesktop {
protected:
    FormDialogsTest() {
        form.Form_Load();
        clipboard.onChange = [this] {
            form.Clip_NewClipboardElement();
            window.DeliverPosted(form);
        };
    }
};

TEST_F(FormDialogsTest, OptionsOkWritesTheDialogsValuesIntoTheSettings) {
    ASSERT_EQ(form.CurrentSettings().AddMode, PLACE_NEXT);
    const Settings before = form.CurrentSettings();
    fonts.answers = {FontFace{"Arial", 14, true, false, false}};
    optionsWindow.whileShown = [&](OptionsEvents& events) {
        optionsWindow.news = 0;
        optionsWindow.Click_Check(events, OptionsCheckBox::cCase);
        events.FontButton_Click();
        events.OKButton_Click();
    };
    form.mnuOptions_Click();

    const Settings& after = form.CurrentSettings();
    EXPECT_EQ(after.AddMode, POS_TOP);
    EXPECT_EQ(after.IgnoreCase, before.IgnoreCase == 1 ? 0 : 1);
    EXPECT_EQ(after.TextFont.Name, "Arial");
    EXPECT_EQ(after.TextFont.Size, 14.0f);
    EXPECT_EQ(after.DescFont.Name, before.DescFont.Name);
    EXPECT_EQ(after.CurSlot, before.CurSlot);
    EXPECT_FALSE(optionsWindow.visible);

    // The next copy follows the new placement: with no blank slot left, it goes on top.
    for (const char* text : {"one", "two"}) clipboard.CopyFromOutside(text);
    clipboard.CopyFromOutside("three");
    EXPECT_EQ(Texts().front(), "three");
}

TEST_F(FormDialogsTest, OptionsCancelEscOrCloseBoxChangesNothing) {
    const Settings before = form.CurrentSettings();
    fonts.answers = {FontFace{"Arial", 14, true, false, false}};
    optionsWindow.whileShown = [&](OptionsEvents& events) {
        optionsWindow.news = 1;
        optionsWindow.Click_Check(events, OptionsCheckBox::cDelWarn);
        optionsWindow.Click_Check(events, OptionsCheckBox::cToolTip);
        events.FontButton_Click();
        events.CancelButton_Click();
    };
    form.mnuOptions_Click();
    EXPECT_EQ(form.CurrentSettings(), before);
    EXPECT_EQ(optionsWindow.showings, 1);
}

TEST_F(FormDialogsTest, OptionsOkKeepsWhatCaptureDidWhileTheDialogWasOpen) {
    optionsWindow.whileShown = [&](OptionsEvents& events) {
        clipboard.CopyFromOutside("copied meanwhile");
        optionsWindow.news = 1;
        events.OKButton_Click();
    };
    form.mnuOptions_Click();
    EXPECT_EQ(form.CurrentSettings().AddMode, POS_BOTTOM);
    ASSERT_NE(form.CurrentSettings().CurSlot, NIL_NODE);
    EXPECT_EQ(form.List().Nodes[form.CurrentSettings().CurSlot].Slot.Text, "copied meanwhile");
}

TEST_F(FormDialogsTest, AboutOpensWithTheProgramsTextsAndNoSecondDialogOpensMeanwhile) {
    int nestedOptions = -1;
    bool nestedAbout = false;
    aboutWindow.whileShown = [&](AboutEvents&) {
        form.mnuOptions_Click();
        nestedOptions = optionsWindow.showings;
        auto outer = std::move(aboutWindow.whileShown);
        aboutWindow.whileShown = [&](AboutEvents&) { nestedAbout = true; };
        form.mnuAbout_Click();
    };
    form.mnuAbout_Click();
    EXPECT_EQ(aboutWindow.caption, "About SlotPad");
    EXPECT_EQ(aboutWindow.labels[AboutLabel::lblVersion], "Version 1.0.8");
    EXPECT_EQ(aboutWindow.labels[AboutLabel::lblTitle], "SlotPad - Clipboard Viewer/Editor");
    EXPECT_EQ(nestedOptions, 0) << "Options does not open over the About box";
    EXPECT_FALSE(nestedAbout);

    // Once closed, the About box opens again.
    aboutWindow.caption.clear();
    aboutWindow.whileShown = nullptr;
    form.mnuAbout_Click();
    EXPECT_EQ(aboutWindow.caption, "About SlotPad");
}

}  // namespace
}  // namespace slotpad::testing
