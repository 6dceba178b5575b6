#include <gtest/gtest.h>

#include "slotpad/dialogs/BoxText.h"

namespace slotpad {
namespace {

struct LineEndCase {
    std::string_view text;
    std::string_view shown;
    LineEnd lineEnd;
};

TEST(BoxLineEnds, LoneEndsShowAsCrLfAndTheFirstLoneKindIsKept) {
    const LineEndCase cases[] = {
        {"", "", LineEnd::CrLf},
        {"one line", "one line", LineEnd::CrLf},
        {"a\r\nb\r\n", "a\r\nb\r\n", LineEnd::CrLf},
        {"a\nb\n", "a\r\nb\r\n", LineEnd::Lf},
        {"a\rb", "a\r\nb", LineEnd::Cr},
        {"\n\n", "\r\n\r\n", LineEnd::Lf},
        {"a\r\nb\nc\rd", "a\r\nb\r\nc\r\nd", LineEnd::Lf},
        {"a\r\nb\rc\nd", "a\r\nb\r\nc\r\nd", LineEnd::Cr},
        {"\n\r", "\r\n\r\n", LineEnd::Lf},  // LF then a lone CR, not a CR LF pair
        {"end\r", "end\r\n", LineEnd::Cr},
    };
    for (const LineEndCase& c : cases) {
        EXPECT_EQ(With_Crlf_Line_Ends(c.text), c.shown) << testing::PrintToString(std::string(c.text));
        EXPECT_EQ(Line_End_Of(c.text), c.lineEnd) << testing::PrintToString(std::string(c.text));
    }
}

TEST(BoxText, UnchangedTextComesBackExactlyAsGiven) {
    for (const char* text : {"", "plain", "a\nb", "a\rb", "a\r\nb\nc\r", "x\n\n\ny", "nul\0inside"}) {
        const std::string original = std::string(text) == "nul" ? std::string("nul\0inside", 10) : text;
        for (bool multiLine : {true, false}) {
            const BoxText box(original, multiLine);
            EXPECT_EQ(box.Handed_Back(box.Shown()), original) << testing::PrintToString(original);
            EXPECT_EQ(box.Stored_Length(box.Shown()), original.size());
        }
    }
}

TEST(BoxText, AChangedTextGoesBackWithTheOriginalsLineEnds) {
    const BoxText lf("one\ntwo", true);
    EXPECT_EQ(lf.Shown(), "one\r\ntwo");
    EXPECT_EQ(lf.Handed_Back("one\r\ntwo\r\nthree"), "one\ntwo\nthree");
    const BoxText cr("one\rtwo", true);
    EXPECT_EQ(cr.Handed_Back("one\r\n2"), "one\r2");
    const BoxText crlf("one\r\ntwo", true);
    EXPECT_EQ(crlf.Handed_Back("one\r\n2\r\n"), "one\r\n2\r\n");
    // A single-line box shows and gives back its text as it is.
    const BoxText tip("a\nb", false);
    EXPECT_EQ(tip.Shown(), "a\nb");
    EXPECT_EQ(tip.Handed_Back("a\nbc"), "a\nbc");
}

TEST(BoxText, ANulShowsAsASpaceSoTheBoxKeepsTheRest) {
    const std::string original("ab\0cd", 5);
    const BoxText box(original, true);
    EXPECT_EQ(box.Shown(), "ab cd");
    EXPECT_EQ(box.Handed_Back("ab cd"), original);
    EXPECT_EQ(box.Handed_Back("ab cdX"), "ab cdX");
}

TEST(BoxText, EditsThatWouldPassTheFileLimitAreRefusedWhole) {
    const BoxText box(std::string(65000, 'x'), true);
    const std::string current = box.Shown();
    EXPECT_TRUE(box.Accepts_Edit(current, current + std::string(535, 'y')));
    EXPECT_FALSE(box.Accepts_Edit(current, current + std::string(536, 'y')));
    EXPECT_TRUE(box.Accepts_Edit(current, current.substr(10)));
}

TEST(BoxText, TheLimitCountsLineEndsAsTheyGoBack) {
    // 65,535 bytes with lone LF ends: shown with CR LF it is longer than the limit, yet
    // it fits as it goes back, and so does any edit that keeps its length.
    std::string original;
    while (original.size() + 4 <= BoxText::MaxBytes) original += "abc\n";
    original += std::string(BoxText::MaxBytes - original.size(), 'z');
    ASSERT_EQ(original.size(), BoxText::MaxBytes);
    const BoxText box(original, true);
    ASSERT_GT(box.Shown().size(), BoxText::MaxBytes);

    std::string replaced = box.Shown();
    replaced[0] = 'Q';
    EXPECT_TRUE(box.Accepts_Edit(box.Shown(), replaced));
    EXPECT_EQ(box.Handed_Back(replaced).size(), BoxText::MaxBytes);
    EXPECT_FALSE(box.Accepts_Edit(replaced, replaced + "!"));
    EXPECT_FALSE(box.Accepts_Edit(replaced, replaced + "\r\n"));
    EXPECT_TRUE(box.Accepts_Edit(replaced, replaced.substr(1)));

    // With CR LF ends each line end counts two bytes.
    const BoxText crlf(std::string(BoxText::MaxBytes - 1, 'x'), true);
    EXPECT_FALSE(crlf.Accepts_Edit(crlf.Shown(), crlf.Shown() + "\r\n"));
    EXPECT_TRUE(crlf.Accepts_Edit(crlf.Shown(), crlf.Shown() + "y"));
}

TEST(BoxText, AGivenTextOverTheLimitMayOnlyShrink) {
    const BoxText box(std::string(BoxText::MaxBytes + 10, 'x'), false);
    const std::string current = box.Shown();
    EXPECT_FALSE(box.Accepts_Edit(current, current + "y"));
    EXPECT_TRUE(box.Accepts_Edit(current, current.substr(1)));
    EXPECT_TRUE(box.Accepts_Edit(current, "y" + current.substr(1)));
}

}  // namespace
}  // namespace slotpad
