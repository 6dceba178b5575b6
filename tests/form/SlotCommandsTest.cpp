// Clear, Delete, Edit Selection and Print on the current slot, their questions, and
// clipboard changes that arrive while a menu, a question, the dialog or a drag is open.

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <memory>

#include "tests/form/FormDesktop.h"

namespace slotpad::testing {
namespace {

constexpr const char* kAskDelete = "Confirm Delete: Are you sure you want to delete this locked buffer?";
constexpr const char* kAskClear = "Confirm Clear: Are you sure you want to clear this locked buffer?";
constexpr int kLeft = 1, kShift = 1;
constexpr int kTextX = 100;
int RowY(int r) { return 24 * r + 10; }
long Presents(const RecordingSurface& surface) {
    return std::count_if(surface.surfaceOps.begin(), surface.surfaceOps.end(),
                         [](const SurfaceOp& op) { return op.kind == SurfaceOp::Present; });
}

// A shown window whose slots are `texts` top to bottom ("A" upper case: locked).
struct CommandDesk : FormDesktop {
    CommandDesk(const std::string& texts, bool delWarn, int currentRow) {
        form.Form_Load();
        form.Book().Restore([&](SlotList& l, Settings& s) {
            for (char c : texts) {
                const bool locked = c >= 'A' && c <= 'Z';
                const std::string text(1, static_cast<char>(locked ? c - 'A' + 'a' : c));
                int16_t node = 0;
                if (l.LastPos == 0 && l.Nodes[l.HeadNode].Slot.Text.empty())
                    l.Nodes[l.HeadNode].Slot = SlotRecord{locked ? VB_TRUE : VB_FALSE, text, "tip " + text};
                else
                    l.Insert_Node(SlotRecord{locked ? VB_TRUE : VB_FALSE, text, "tip " + text}, POS_BOTTOM, node);
            }
            s.DelWarn = delWarn ? VB_TRUE : VB_FALSE;
        });
        form.mnuShow_Click();
        clipboard.onChange = [this] { form.Clip_NewClipboardElement(); };
        if (currentRow >= 0) {
            form.Captures().Select_Item(form.Panel().RowSlot()[currentRow], true);
        } else {
            form.Book().Select(NIL_NODE);
        }
        window.DeliverPosted(form);
    }
    // The slots top to bottom as given, "_" for a blank one.
    std::string Slots() const {
        std::string out;
        const SlotList& l = form.List();
        for (int16_t n = l.HeadNode, i = 0; i <= l.LastPos && n != NIL_NODE; ++i, n = l.Nodes[n].NextNode) {
            const SlotRecord& r = l.Nodes[n].Slot;
            if (r.Text.empty()) {
                out += r.Locked ? "#" : "_";
            } else {
                out += r.Locked ? static_cast<char>(r.Text[0] - 'a' + 'A') : r.Text[0];
            }
        }
        return out;
    }
    std::string Current() const {
        const int16_t cur = form.CurrentSettings().CurSlot;
        return SlotList::Is_Node(cur) ? form.List().Nodes[cur].Slot.Text : "(none)";
    }
};

enum class Command { Clear, Delete };

struct CommandCase {
    const char* name;
    const char* slots;
    bool delWarn;
    int currentRow;
    Command command;
    std::deque<bool> answers;
    const char* slotsAfter;
    const char* currentAfter;
    std::optional<std::string> clipboardAfter;
    std::vector<std::string> asked;
};

TEST(SlotCommandsTest, ClearAndDeleteFollowTheirRules) {
    const std::vector<CommandCase> cases = {
        {"delete the middle slot: the one below becomes current", "abcd", true, 1, Command::Delete, {}, "acd", "c",
         "c", {}},
        {"delete the bottom slot: the one above becomes current", "abcd", true, 3, Command::Delete, {}, "abc", "c",
         "c", {}},
        {"delete the top slot", "abcd", true, 0, Command::Delete, {}, "bcd", "b", "b", {}},
        {"delete the only slot clears it", "a", true, 0, Command::Delete, {}, "_", "", "", {}},
        {"delete the only locked slot asks twice", "A", true, 0, Command::Delete, {true, true}, "_", "", "",
         {kAskDelete, kAskClear}},
        {"the only locked slot, OK then Cancel: kept, and a blank one for new copies", "A", true, 0,
         Command::Delete, {true, false}, "A_", "a", "a", {kAskDelete, kAskClear}},
        {"delete a locked slot, OK", "aBcd", true, 1, Command::Delete, {true}, "acd", "c", "c", {kAskDelete}},
        {"delete a locked slot, Cancel", "aBcd", true, 1, Command::Delete, {false}, "aBcd", "b", "b", {kAskDelete}},
        {"delete a locked slot without DelWarn: no question", "aBcd", false, 1, Command::Delete, {}, "acd", "c",
         "c", {}},
        {"delete leaving only locked slots appends a blank one", "ABc", true, 2, Command::Delete, {}, "AB_", "b",
         "b", {}},
        {"no current slot: delete only checks the locks", "AB", true, -1, Command::Delete, {}, "AB_", "(none)",
         std::nullopt, {}},
        {"clear a locked slot, OK: unlocked and empty", "aBc", true, 1, Command::Clear, {true}, "a_c", "", "",
         {kAskClear}},
        {"clear a locked slot, Cancel", "aBc", true, 1, Command::Clear, {false}, "aBc", "b", "b", {kAskClear}},
        {"clear a locked slot without DelWarn", "aBc", false, 1, Command::Clear, {}, "a_c", "", "", {}},
        {"clear an unlocked slot never asks", "abc", true, 2, Command::Clear, {}, "ab_", "", "", {}},
        {"no current slot: clear does nothing", "abc", true, -1, Command::Clear, {}, "abc", "(none)", std::nullopt,
         {}},
    };
    for (const CommandCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto desk = std::make_unique<CommandDesk>(c.slots, c.delWarn, c.currentRow);
        if (c.currentRow < 0) desk->clipboard.text.reset();
        desk->boxes.answers = c.answers;
        c.command == Command::Clear ? desk->form.mnuClear_Click() : desk->form.mnuDelete_Click();
        EXPECT_EQ(desk->Slots(), c.slotsAfter);
        EXPECT_EQ(desk->Current(), c.currentAfter);
        EXPECT_EQ(desk->clipboard.text, c.clipboardAfter);
        EXPECT_EQ(desk->boxes.shown, c.asked);
        EXPECT_EQ(desk->window.postedCaptures, 0) << "the command's own writes are never captured";
    }
}

TEST(SlotCommandsTest, ClearingEmptiesTheToolTip) {
    CommandDesk desk("abc", true, 1);
    desk.form.Pointer_Move(0, 0, kTextX, RowY(1));
    ASSERT_EQ(desk.toolTip.text, "tip b");
    desk.form.mnuClear_Click();
    EXPECT_EQ(desk.toolTip.text, "");
}

// Text and description: which change reaches the clipboard and the rows.
TEST(SlotCommandsTest, EditSelectionStoresWhatTheDialogGivesBack) {
    struct EditCase {
        const char* name;
        bool ok;
        std::string text, description;
        const char* textAfter;
        const char* descriptionAfter;
        bool clipboardAndRowsChange;
    };
    const std::vector<EditCase> cases = {
        {"the description only", true, "b", "new tip", "b", "new tip", false},
        {"the text", true, "bee", "tip b", "bee", "tip b", true},
        {"a change of letter case is a new text", true, "B", "tip b", "B", "tip b", true},
        {"Cancel keeps both", false, "bee", "new tip", "b", "tip b", false},
    };
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto desk = std::make_unique<CommandDesk>("aBc", true, 1);
        desk->editSelWindow.whileShown = [&](EditSelEvents& events) {
            EXPECT_EQ(desk->editSelWindow.Text(EditSelControl::Editing), "b");
            EXPECT_EQ(desk->editSelWindow.Text(EditSelControl::Tip), "tip b");
            desk->editSelWindow.Edit(events, EditSelControl::Editing, c.text);
            desk->editSelWindow.Edit(events, EditSelControl::Tip, c.description);
            c.ok ? events.OKButton_Click() : events.CancelButton_Click();
        };
        desk->clipboard.CopyFromOutside("elsewhere");
        desk->window.postedCaptures = 0;  // read never: the clipboard stays as another program left it
        const long paints = Presents(desk->surface);
        desk->form.mnuEdit_Click();
        const SlotRecord& slot = desk->form.List().Nodes[desk->form.Panel().RowSlot()[1]].Slot;
        EXPECT_EQ(slot.Text, c.textAfter);
        EXPECT_EQ(slot.Description, c.descriptionAfter);
        EXPECT_EQ(slot.Locked, VB_TRUE) << "locked slots can be edited and stay locked";
        EXPECT_EQ(desk->clipboard.text, c.clipboardAndRowsChange ? std::optional<std::string>(c.textAfter)
                                                                 : std::optional<std::string>("elsewhere"));
        EXPECT_EQ(Presents(desk->surface) != paints, c.clipboardAndRowsChange);
        EXPECT_EQ(desk->Current(), c.textAfter);
    }
}

TEST(SlotCommandsTest, WithoutACurrentSlotEditAndPrintDoNothing) {
    CommandDesk desk("abc", true, -1);
    desk.form.mnuEdit_Click();
    desk.form.mnuPrint_Click();
    EXPECT_EQ(desk.editSelWindow.showings, 0);
    EXPECT_TRUE(desk.printer.events.empty());
    EXPECT_TRUE(desk.boxes.shown.empty());
}

TEST(SlotCommandsTest, PrintingSendsOneJobOfTheCurrentSlot) {
    CommandDesk desk("abc", true, 2);
    desk.form.mnuPrint_Click();
    ASSERT_FALSE(desk.printer.events.empty());
    EXPECT_EQ(desk.printer.events.front(), "start SlotPad");
    EXPECT_EQ(desk.printer.events.back(), "end");
    EXPECT_NE(std::find(desk.printer.events.begin(), desk.printer.events.end(), "line c"), desk.printer.events.end());
    EXPECT_TRUE(desk.boxes.shown.empty());
}

TEST(SlotCommandsTest, AFailedPrintSaysSoOnceAndChangesNothing) {
    struct PrintCase {
        const char* name;
        std::optional<PrintError> refuse;
        int failingCall;
        const char* message;
    };
    const std::vector<PrintCase> cases = {
        {"no default printer", PrintError{"", "there is no default printer"}, -1,
         "message: The slot could not be printed: there is no default printer."},
        {"the job does not start", PrintError{"Office", "the printer refused the job"}, -1,
         "message: The slot could not be printed on \"Office\": the printer refused the job."},
        {"the job does not end", std::nullopt, 4,
         "message: The slot could not be printed on \"Fake Printer\": the printer went away."},
    };
    for (const PrintCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto desk = std::make_unique<CommandDesk>("aBc", true, 1);
        desk->printer.refuseStart = c.refuse;
        desk->printer.failingCall = c.failingCall;
        const std::string before = desk->Slots();
        const Settings settings = desk->form.CurrentSettings();
        desk->form.mnuPrint_Click();
        EXPECT_EQ(desk->boxes.shown, std::vector<std::string>{c.message});
        EXPECT_EQ(desk->Slots(), before);
        EXPECT_EQ(desk->Current(), "b");
        EXPECT_EQ(desk->form.CurrentSettings(), settings);
    }
}

// --- Capture held back while a loop of ours runs.

TEST(SlotCommandsTest, ACopyDuringTheQuestionLandsAfterTheCommandActed) {
    CommandDesk desk("aBcd", true, 1);
    desk.boxes.answers = {true};
    desk.boxes.whileShown = [&] {
        desk.clipboard.CopyFromOutside("first");
        desk.clipboard.CopyFromOutside("new");
        desk.window.DeliverPosted(desk.form);
        EXPECT_EQ(desk.Slots(), "aBcd") << "nothing captured while the box is open";
    };
    desk.form.mnuDelete_Click();
    EXPECT_EQ(desk.window.postedCaptures, 0);
    // b was deleted (not whatever the copy would have made current); the copy then took
    // the first blank-less unlocked slot after the new current one, once.
    EXPECT_EQ(desk.Slots().find('B'), std::string::npos);
    EXPECT_EQ(desk.Slots().size(), 3u);
    EXPECT_EQ(desk.Current(), "new");
    // The text was read before the command put the new current slot on the clipboard.
    EXPECT_EQ(desk.clipboard.text, std::optional<std::string>("c"));
    int found = 0;
    for (int16_t n = desk.form.List().HeadNode; n != NIL_NODE; n = desk.form.List().Nodes[n].NextNode) {
        found += desk.form.List().Nodes[n].Slot.Text == "new";
        EXPECT_NE(desk.form.List().Nodes[n].Slot.Text, "first") << "only the last change is captured";
    }
    EXPECT_EQ(found, 1);
}

TEST(SlotCommandsTest, ACopyWhileTheMenuIsOpenDoesNotMoveTheSlotTheCommandActsOn) {
    CommandDesk desk("abcd", true, 1);
    desk.menu.choice = mnuClear;
    desk.menu.whileOpen = [&] {
        // Next mode would put it in c, and make c current.
        desk.clipboard.CopyFromOutside("copied");
        desk.window.DeliverPosted(desk.form);
    };
    desk.form.Pointer_Down(2, 0, kTextX, RowY(1));
    desk.form.Pointer_Up(2, 0, kTextX, RowY(1));
    EXPECT_EQ(desk.form.List().Nodes[desk.form.Panel().RowSlot()[1]].Slot.Text, "copied")
        << "the cleared slot b was the blank slot the copy then filled";
    EXPECT_EQ(desk.form.List().Nodes[desk.form.Panel().RowSlot()[2]].Slot.Text, "c");
    EXPECT_EQ(desk.Current(), "copied");
}

TEST(SlotCommandsTest, ACopyDuringTheDialogIsCapturedAfterTheEditIsStored) {
    CommandDesk desk("abcd", true, 1);
    desk.editSelWindow.whileShown = [&](EditSelEvents& events) {
        desk.clipboard.CopyFromOutside("copied");
        desk.window.DeliverPosted(desk.form);
        desk.editSelWindow.Edit(events, EditSelControl::Editing, "edited");
        events.OKButton_Click();
    };
    desk.form.mnuEdit_Click();
    EXPECT_EQ(desk.form.List().Nodes[desk.form.Panel().RowSlot()[1]].Slot.Text, "edited");
    EXPECT_EQ(desk.form.List().Nodes[desk.form.Panel().RowSlot()[2]].Slot.Text, "copied");
    EXPECT_EQ(desk.Current(), "copied");
}

TEST(SlotCommandsTest, ACopyDuringADragIsCapturedAfterTheDrop) {
    CommandDesk desk("abcd", true, 0);
    // Top mode recycles the bottom slot: during the drag that would be the dragged one.
    Settings s = desk.form.CurrentSettings();
    s.AddMode = POS_TOP;
    desk.form.Book().Change_Settings(s);
    desk.form.Pointer_Move(0, 0, kTextX, RowY(3));
    desk.form.Pointer_Down(kLeft, kShift, kTextX, RowY(3));
    desk.form.Pointer_Move(kLeft, kShift, kTextX, RowY(1));
    desk.clipboard.CopyFromOutside("copied");
    desk.window.DeliverPosted(desk.form);
    EXPECT_EQ(desk.Slots(), "abcd");
    desk.form.Pointer_Up(kLeft, kShift, kTextX, RowY(1));
    // d went above b, then the copy recycled the bottom slot c and entered at the top.
    EXPECT_EQ(desk.form.List().Nodes[desk.form.List().HeadNode].Slot.Text, "copied");
    std::string order;
    for (int16_t n = desk.form.List().HeadNode; n != NIL_NODE; n = desk.form.List().Nodes[n].NextNode)
        order += desk.form.List().Nodes[n].Slot.Text + " ";
    EXPECT_EQ(order, "copied a d b ");
}

TEST(SlotCommandsTest, WithoutALoopOfOursACopyIsCapturedAsBefore) {
    CommandDesk desk("abcd", true, 1);
    desk.clipboard.CopyFromOutside("copied");
    EXPECT_EQ(desk.window.postedCaptures, 1);
    desk.window.DeliverPosted(desk.form);
    EXPECT_EQ(desk.Current(), "copied");
}

// --- A press whose release never comes.

TEST(SlotCommandsTest, LosingThePointerEndsADragWithoutAMove) {
    CommandDesk desk("abcd", true, 0);
    desk.form.Pointer_Move(0, 0, kTextX, RowY(2));
    desk.form.Pointer_Down(kLeft, kShift, kTextX, RowY(2));
    desk.form.Pointer_Move(kLeft, kShift, kTextX, RowY(0));
    ASSERT_TRUE(desk.form.IsDragging());
    desk.form.Pointer_Cancelled();
    EXPECT_FALSE(desk.form.IsDragging());
    EXPECT_FALSE(desk.bar.shown);
    EXPECT_EQ(desk.Slots(), "abcd");
    // The next press is a press of its own, not the end of the old drop.
    desk.form.Pointer_Down(kLeft, 0, kTextX, RowY(3));
    desk.form.Pointer_Up(kLeft, 0, kTextX, RowY(3));
    EXPECT_EQ(desk.Slots(), "abcd");
    EXPECT_EQ(desk.Current(), "d");
    // A copy after the cancelled drag is captured again.
    desk.clipboard.CopyFromOutside("copied");
    EXPECT_EQ(desk.window.postedCaptures, 1);
}

// --- Exit and a save that fails.

TEST(SlotCommandsTest, AFailedSaveOnExitAsksToRetryAndCancelKeepsRunning) {
    CommandDesk desk("abcd", true, 0);
    const std::string path = desk.form.File().SettingsPath;
    desk.files.Unwritable.insert(path);
    desk.boxes.answers = {true, false};
    desk.form.mnuExit_Click();
    ASSERT_EQ(desk.boxes.shown.size(), 2u) << "Retry failed again, then Cancel";
    EXPECT_NE(desk.boxes.shown[0].find("retry: SlotPad could not save your slots to " + path + ": "),
              std::string::npos)
        << desk.boxes.shown[0];
    EXPECT_NE(desk.boxes.shown[0].find("could not be written"), std::string::npos);
    EXPECT_FALSE(desk.window.unloaded);
    EXPECT_TRUE(desk.tray.shown);
    EXPECT_TRUE(desk.viewer.viewing) << "capture goes on";
    EXPECT_EQ(desk.Slots(), "abcd");

    desk.boxes.answers = {true};
    desk.boxes.whileShown = [&] { desk.files.Unwritable.clear(); };
    desk.form.mnuExit_Click();
    EXPECT_TRUE(desk.window.unloaded) << "Retry after the disk was freed saves and ends";
    EXPECT_TRUE(desk.files.Files.count(path));
}

TEST(SlotCommandsTest, AFailedSaveAtShutdownAsksNothing) {
    for (CloseReason reason : {CloseReason::Shutdown, CloseReason::Other}) {
        CommandDesk desk("abcd", true, 0);
        desk.files.Unwritable.insert(desk.form.File().SettingsPath);
        desk.form.Form_QueryUnload(reason);
        EXPECT_TRUE(desk.boxes.shown.empty());
        EXPECT_TRUE(desk.window.unloaded);
        EXPECT_FALSE(desk.tray.shown);
    }
}

}  // namespace
}  // namespace slotpad::testing
