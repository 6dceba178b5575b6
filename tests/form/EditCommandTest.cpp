// Edit Selection from the main form: the dialog edits the current slot, a changed text goes
// to the clipboard, a changed description alone does not.

#include <gtest/gtest.h>

#include "tests/form/FormDesktop.h"

namespace slotpad::testing {
namespace {

class EditCommandTest : public ::testing::Test, protected FormDesktop {
protected:
    EditCommandTest() {
        form.Form_Load();
        clipboard.onChange = [this] { form.Clip_NewClipboardElement(); };
        for (const char* text : {"alpha", "beta"}) {
            clipboard.CopyFromOutside(text);
            window.DeliverPosted(form);
        }
    }
    const SlotRecord& Slot(int16_t node) const { return form.List().Nodes[node].Slot; }
    // The user types into the boxes and closes the dialog with OK or Cancel.
    void UserEdits(std::string text, std::string tip, bool ok) {
        editSelWindow.whileShown = [this, text, tip, ok](EditSelEvents& events) {
            editSelWindow.texts[EditSelControl::Editing] = text;
            editSelWindow.texts[EditSelControl::Tip] = tip;
            ok ? events.OKButton_Click() : events.CancelButton_Click();
        };
    }
};

TEST_F(EditCommandTest, NoCurrentSlotShowsNothing) {
    FormDesktop fresh;
    fresh.form.Form_Load();
    ASSERT_EQ(fresh.form.CurrentSettings().CurSlot, NIL_NODE);
    fresh.form.mnuEdit_Click();
    EXPECT_EQ(fresh.editSelWindow.showings, 0);
}

TEST_F(EditCommandTest, TheDialogShowsTheCurrentSlotAndOkStoresBothStrings) {
    const int16_t node = form.CurrentSettings().CurSlot;
    ASSERT_EQ(Slot(node).Text, "beta");
    UserEdits("beta edited", "a note", true);
    form.mnuEdit_Click();
    EXPECT_EQ(editSelWindow.showings, 1);
    EXPECT_EQ(Slot(node).Text, "beta edited");
    EXPECT_EQ(Slot(node).Description, "a note");
    EXPECT_EQ(clipboard.text, std::optional<std::string>("beta edited"));
    EXPECT_EQ(form.CurrentSettings().CurSlot, node);
}

TEST_F(EditCommandTest, ADescriptionAloneLeavesTheClipboardAndCancelChangesNothing) {
    const int16_t node = form.CurrentSettings().CurSlot;
    const int writes = clipboard.writes;
    UserEdits("beta", "only the tip", true);
    form.mnuEdit_Click();
    EXPECT_EQ(Slot(node).Description, "only the tip");
    EXPECT_EQ(clipboard.writes, writes);

    UserEdits("cancelled", "cancelled", false);
    form.mnuEdit_Click();
    EXPECT_EQ(Slot(node).Text, "beta");
    EXPECT_EQ(Slot(node).Description, "only the tip");
    EXPECT_EQ(clipboard.writes, writes);
}

}  // namespace
}  // namespace slotpad::testing
