// The duplicate test, what is not captured and the program's own clipboard writes.

#include "tests/capture/CaptureFixture.h"
#include "tests/support/FixedCodePages.h"

namespace slotpad::testing {
namespace {

TEST_F(CaptureFixture, CopyingATextASlotHoldsMakesThatSlotCurrent) {
    Fill({"a", "b", "c"});
    SetCurSlot(0);
    clipboard.CopyFromOutside("b");
    EXPECT_EQ(Slots(), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(settings.CurSlot, 1);
    EXPECT_EQ(panel.refreshes, 1);

    clipboard.CopyFromOutside("b");
    EXPECT_EQ(panel.refreshes, 1) << "already current: no repaint";
}

TEST_F(CaptureFixture, IgnoreCaseReplacesTheSpellingAndKeepsDescriptionAndLock) {
    Fill({"*Hello", "b"});
    Arrange([](SlotList& l, Settings&) { l.Nodes[0].Slot.Description = "greeting"; });
    SetIgnoreCase(1);
    SetCurSlot(1);
    clipboard.CopyFromOutside("HELLO");
    EXPECT_EQ(list.Nodes[0].Slot.Text, "HELLO");
    EXPECT_EQ(list.Nodes[0].Slot.Description, "greeting");
    EXPECT_EQ(list.Nodes[0].Slot.Locked, VB_TRUE);
    EXPECT_EQ(settings.CurSlot, 0);
    EXPECT_EQ(list.LastPos, 1);
}

TEST_F(CaptureFixture, IgnoreCaseCoversAccentedLetters) {
    Fill({"caf\xe9", "b"});
    SetIgnoreCase(1);
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
        SetIgnoreCase(1);
        capture.UseCaseFold(c.fold);
        clipboard.CopyFromOutside(c.copy);
        EXPECT_EQ(Slots(), (std::vector<std::string>{c.slot, c.copy})) << c.fold.CodePage();
    }
}

TEST_F(CaptureFixture, ExactComparisonWhenCaseMatters) {
    Fill({"Hello", "b"});
    SetIgnoreCase(0);
    SetCurSlot(0);
    clipboard.CopyFromOutside("HELLO");
    EXPECT_EQ(Slots(), (std::vector<std::string>{"Hello", "HELLO"}));
}

TEST_F(CaptureFixture, CurrentSlotWinsOtherwiseTheLowestMatch) {
    Fill({"x", "b", "x", "x"});
    SetCurSlot(2);
    EXPECT_EQ(capture.Find_Match("x"), 2);
    SetCurSlot(1);
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
    SetCurSlot(0);
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
    SetCurSlot(0);
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

TEST_F(CaptureFixture, OwnWriteIsNotCapturedEvenWhenTheNotificationCarriesAnotherText) {
    // The duplicate test alone would let this through: the text that comes back matches
    // no slot.
    Fill({"a", "b", "_"});
    SetCurSlot(0);
    clipboard.rewriteAhead = [](std::string_view t) { return std::string(t) + " "; };
    capture.Select_Item(1, true);
    EXPECT_EQ(clipboard.text, "b ");
    EXPECT_EQ(Slots(), (std::vector<std::string>{"a", "b", "_"}));
    EXPECT_EQ(settings.CurSlot, 1);
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

}  // namespace
}  // namespace slotpad::testing
