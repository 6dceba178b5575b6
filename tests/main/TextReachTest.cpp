#include "slotpad/main/panel/TextReach.h"

#include <gtest/gtest.h>

#include <string>

// Built twice: with the library's scan, and with the portable one the i686 build uses.
#ifdef SLOTPAD_PORTABLE_SCAN
#define TEXT_REACH TextReachPortableScan
#else
#define TEXT_REACH TextReach
#endif

namespace slotpad::panel {
namespace {

// 5 pixels a character, 13 a line: two lines start inside the 18-pixel rectangle.
TextFontMetrics FiveByThirteen() {
    TextFontMetrics m;
    m.LineHeight = 13;
    m.OneCharPerByte = true;
    m.Advance.fill(5);
    m.MaxOverhang = 0;
    return m;
}

std::string Reach(std::string_view text, const TextFontMetrics& m, int width = 100, int height = 18) {
    std::string scratch;
    return std::string(TextReachingRect(text, m, width, height, scratch));
}

TEST(TEXT_REACH, LineBreaksAreCrLfAndTheirPairsInEitherOrder) {
    struct Case { const char* text; std::size_t pos; std::size_t length; };
    for (Case c : {Case{"a\r\nb", 1, 2}, Case{"a\n\rb", 1, 2}, Case{"a\rb", 1, 1}, Case{"a\nb", 1, 1},
                   Case{"a\r\rb", 1, 1}, Case{"a\n\nb", 1, 1}, Case{"a\r", 1, 1}, Case{"a\r\n\r\nb", 1, 2}}) {
        EXPECT_EQ(LineBreakLength(c.text, c.pos), c.length) << c.text;
    }
}

TEST(TEXT_REACH, KeepsOnlyTheLinesStartingInsideTheRectangle) {
    const TextFontMetrics m = FiveByThirteen();
    struct Case { std::string text; std::string reach; };
    const Case cases[] = {
        {"one", "one"},
        {"one\r\ntwo\r\nthree", "one\r\ntwo"},
        {"one\ntwo\nthree", "one\ntwo"},
        {"one\rtwo\rthree", "one\rtwo"},
        {"one\n\rtwo\n\rthree", "one\n\rtwo"},
        {"one\r\rtwo", "one\r"},        // the empty second line is as far as it goes
        {"\r\nsecond\r\nthird", "\r\nsecond"},
        {"one\r\n", "one\r\n"},
        {"&&x\tt\r\n&y\r\nz", "&&x\tt\r\n&y"},  // ampersands and tabs are ordinary characters
    };
    for (const Case& c : cases) EXPECT_EQ(Reach(c.text, m), c.reach) << c.text;

    TextFontMetrics small = m;
    small.LineHeight = 6;  // lines at 0, 6 and 12 start inside 18 pixels; 18 does not
    EXPECT_EQ(Reach("a\nb\nc\nd\ne", small), "a\nb\nc");
}

TEST(TEXT_REACH, CutsEachLineAfterTheLastCharacterThatCanReachTheRightEdge) {
    const TextFontMetrics m = FiveByThirteen();
    const std::string longLine(10000, 'x');
    // Pens at 0, 5, ... 100 can still put ink left of 100 + 1; the 22nd starts at 105.
    const std::string first = Reach(longLine, m);
    EXPECT_EQ(first, std::string(21, 'x'));

    const std::string twoLong = longLine + "\r\n" + std::string(5000, 'y') + "\r\n" + longLine;
    EXPECT_EQ(Reach(twoLong, m), std::string(21, 'x') + "\r\n" + std::string(21, 'y'));

    TextFontMetrics overhang = m;
    overhang.MaxOverhang = 7;  // ink up to 7 pixels left of its pen: one more character
    EXPECT_EQ(Reach(longLine, overhang), std::string(22, 'x'));

    TextFontMetrics wide = m;
    wide.Advance['W'] = 50;
    EXPECT_EQ(Reach("WWWWWWWW", wide), "WWW");
}

TEST(TEXT_REACH, FindsTheLineBreakWhereverItFallsInTheScan) {
    const TextFontMetrics m = FiveByThirteen();
    for (const char* brk : {"\r", "\n", "\r\n"}) {
        for (std::size_t n = 0; n < 70; ++n) {
            const std::string first(n, 'x');
            const std::string text = first + brk + "second" + brk + "third";
            EXPECT_EQ(Reach(text, m, 10000), first + brk + "second") << n << " characters";
            EXPECT_EQ(Reach(text, m, 8), first.substr(0, 2) + brk + "se") << n << " characters";
        }
    }
}

TEST(TEXT_REACH, APrefixOfTheTextNeedsNoCopy) {
    const TextFontMetrics m = FiveByThirteen();
    const std::string text = std::string(500, 'x') + "\nsecond\nthird";
    std::string scratch;
    const std::string_view oneLine = TextReachingRect(std::string_view(text).substr(0, 500), m, 100, 18, scratch);
    EXPECT_EQ(oneLine.data(), text.data());
    const std::string shortFirst = "short\n" + std::string(500, 'y');
    const std::string_view cutSecond = TextReachingRect(shortFirst, m, 100, 18, scratch);
    EXPECT_EQ(cutSecond.data(), shortFirst.data());
    EXPECT_EQ(cutSecond, "short\n" + std::string(21, 'y'));
    EXPECT_TRUE(scratch.empty());
}

TEST(TEXT_REACH, WithoutByteWidthsOrLineHeightOnlySafeCutsAreMade) {
    TextFontMetrics dbcs = FiveByThirteen();
    dbcs.OneCharPerByte = false;  // a byte may be half a character: lines stay whole
    const std::string longLine(300, 'x');
    EXPECT_EQ(Reach(longLine + "\n" + longLine + "\nthird", dbcs), longLine + "\n" + longLine);

    TextFontMetrics unknown;
    EXPECT_EQ(Reach("a\nb\nc\nd", unknown), "a\nb\nc\nd");

    TextFontMetrics zeroWidth = FiveByThirteen();
    zeroWidth.Advance.fill(0);
    EXPECT_EQ(Reach(longLine, zeroWidth), longLine);

    EXPECT_EQ(Reach("", FiveByThirteen()), "");
    // No room at all still keeps the start of the first line and nothing below it.
    EXPECT_EQ(Reach("abc\ndef", FiveByThirteen(), 0, 0), "a");
}

}  // namespace
}  // namespace slotpad::panel
