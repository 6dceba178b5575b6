// The duplicate test, what is not captured, the program's own clipboard writes, and
// keeping an unlocked slot.

#include "tests/capture/CaptureFixture.h"
#include "tests/support/FixedCodePages.h"

namespace slotpad::testing {
namespace {

TEST_F(CaptureFixture, CopyingATextASlotHoldsMakesThatSlotCurrent) {
    Fill({"a", "b", "c"});
    settings.CurSlot = 0;
    clipboard.CopyFromOutside("b");
    EXPECT_EQ(Slots(), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(settings.CurSlot, 1);
    EXPECT_EQ(panel.refreshes, 1);

    clipboard.CopyFromOutside("b");
    EXPECT_EQ(panel.refreshes, 1) << "already current: no repaint";
}

TEST_F(CaptureFixture, IgnoreCaseReplacesTheSpellingAndKeepsDescriptionAndLock) {
    Fill({"*Hello", "b"});
    list.Nodes[0].Slot.Description = "greeting";
    settings.IgnoreCase = 1;
    settings.CurSlot = 1;
    clipboard.CopyFromOutside("HELLO");
    EXPECT_EQ(list.Nodes[0].Slot.Text, "HELLO");
    EXPECT_EQ(list.Nodes[0].Slot.Description, "greeting");
    EXPECT_EQ(list.Nodes[0].Slot.Locked, VB_TRUE);
    EXPECT_EQ(settings.CurSlot, 0);
    EXPECT_EQ(list.LastPos, 1);
}

TEST_F(CaptureFixture, IgnoreCaseCoversAccentedLetters) {
    Fill({"caf\xe9", "b"});
    settings.IgnoreCase = 1;
    clipboard.CopyFromOutside("CAF\xc9");
    EXPECT_EQ(list.Nodes[0].Slot.Text, "CAF\xc9");
    EXPECT_EQ(list.LastPos, 1);
}

// A copy that only the wrong code page's letter case takes for a slot's text is a new
// element and leaves that slot alone.
TEST_F(CaptureFixture, IgnoreCaseFollowsTheSystemsCodePage) {
    const struct {
        AnsiCaseFold fold;
        const char* slot;
        const char* copy;
    } cases[] = {
        {AnsiCaseFold(CyrillicCodePage{}), "\xff", "\x9f"},         // я, џ
        {AnsiCaseFold(JapaneseCodePage{}), "\x88\x61", "\x88\x41"},  // two kanji
    };
    for (const auto& c : cases) {
        Fill({c.slot, "_"});
        settings.IgnoreCase = 1;
        capture.UseCaseFold(c.fold);
        clipboard.CopyFromOutside(c.copy);
        EXPECT_EQ(Slots(), (std::vector<std::string>{c.slot, c.copy})) << c.fold.CodePage();
    }
}

TEST_F(CaptureFixture, ExactComparisonWhenCaseMatters) {
    Fill({"Hello", "b"});
    settings.IgnoreCase = 0;
    settings.CurSlot = 0;
    clipboard.CopyFromOutside("HELLO");
    EXPECT_EQ(Slots(), (std::vector<std::string>{"Hello", "HELLO"}));
}

TEST_F(CaptureFixture, CurrentSlotWinsOtherwiseTheLowestMatch) {
    Fill({"x", "b", "x", "x"});
    settings.CurSlot = 2;
    EXPECT_EQ(capture.Find_Match("x"), 2);
    settings.CurSlot = 1;
    EXPECT_EQ(capture.Find_Match("x"), 3);
    EXPECT_EQ(capture.Find_Match("nothing"), -1);
}

TEST_F(CaptureFixture, ForceAddSkipsTheDuplicateTest) {
    Fill({"a", "_"});
    capture.Add_To_Clipboard("a", true);
    EXPECT_EQ(Slots(), (std::vector<std::string>{"a", "a"}));
}

TEST_F(CaptureFixture, ContentThatIsNotCapturedChangesNothing) {
    Fill({"a", "_"});
    settings.CurSlot = 0;
    clipboard.CopyFromOutside(std::nullopt);                       // a picture, or nothing
    clipboard.CopyFromOutside("");                                 // empty text
    clipboard.CopyFromOutside("secret", /*privateContent=*/true);  // marked for no monitors
    clipboard.CopyFromOutside(std::string(Capture::MaxTextBytes + 1, 'y'));
    EXPECT_EQ(Slots(), (std::vector<std::string>{"a", "_"}));
    EXPECT_EQ(settings.CurSlot, 0);
    EXPECT_EQ(panel.refreshes, 0);

    clipboard.CopyFromOutside(std::string(Capture::MaxTextBytes, 'y'));
    EXPECT_EQ(list.Nodes[1].Slot.Text.size(), Capture::MaxTextBytes) << "the longest text the file holds";
}

TEST_F(CaptureFixture, SelectingASlotPutsItsTextOnTheClipboardWithoutCapturingIt) {
    Fill({"a", "b", "_"});
    settings.CurSlot = 0;
    capture.Select_Item(1, true);
    EXPECT_EQ(clipboard.text, "b");
    EXPECT_EQ(settings.CurSlot, 1);
    EXPECT_EQ(Slots(), (std::vector<std::string>{"a", "b", "_"})) << "own write neither added nor moved a slot";
    EXPECT_EQ(panel.refreshes, 1);
    EXPECT_FALSE(capture.IgnoreClip());

    capture.Select_Item(0, false);
    EXPECT_EQ(panel.refreshes, 1);
    EXPECT_EQ(clipboard.text, "a");

    const int writes = clipboard.writes;
    capture.Select_Item(NIL_NODE, true);
    EXPECT_EQ(settings.CurSlot, 0);
    EXPECT_EQ(clipboard.writes, writes);
    EXPECT_EQ(panel.refreshes, 1);
}

TEST_F(CaptureFixture, FailedClipboardWriteStillCapturesLaterChanges) {
    Fill({"a", "_"});
    clipboard.failWrites = true;
    capture.Select_Item(0, true);
    EXPECT_FALSE(capture.IgnoreClip());
    clipboard.failWrites = false;
    clipboard.CopyFromOutside("later");
    EXPECT_EQ(Slots(), (std::vector<std::string>{"a", "later"}));
}

TEST_F(CaptureFixture, VerifyLocksAppendsABlankSlotOnlyWhenAllAreLocked) {
    Fill({"*a", "b"});
    capture.Verify_Locks();
    EXPECT_EQ(list.LastPos, 1);
    EXPECT_EQ(panel.resizes, 0);

    list.Nodes[1].Slot.Locked = VB_TRUE;
    capture.Verify_Locks();
    EXPECT_EQ(Slots(), (std::vector<std::string>{"*a", "*b", "_"}));
    EXPECT_EQ(panel.resizes, 1);
}

TEST_F(CaptureFixture, VerifyLocksOnAFullLockedListOnlyLaysOutAgain) {
    list.Init_List();
    for (int i = 0; i < MAX_NODES; ++i) {
        int16_t node = 0;
        list.Insert_Node(SlotRecord{VB_TRUE, "t" + std::to_string(i), ""}, POS_BOTTOM, node);
    }
    capture.Verify_Locks();
    EXPECT_EQ(list.LastPos, MAX_NODES - 1);
    EXPECT_EQ(panel.resizes, 1);
}

}  // namespace
}  // namespace slotpad::testing
