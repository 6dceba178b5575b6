#include <gtest/gtest.h>

#include "slotpad/capture/AnsiText.h"
#include "tests/support/FixedCodePages.h"

namespace slotpad {
namespace {

TEST(DescriptionOf, FirstCrLfLineTrimmedOfSpaces) {
    const struct {
        const char* text;
        const char* description;
    } cases[] = {
        {"  one  \r\ntwo", "one"},
        {"one\ntwo  ", "one\ntwo"},     // a lone line feed is not a line end here
        {"one\rtwo\r\nthree", "one\rtwo"},
        {"\r\nsecond", ""},
        {"   ", ""},
        {"\tkeeps tabs\t", "\tkeeps tabs\t"},
    };
    for (const auto& c : cases) EXPECT_EQ(DescriptionOf(c.text), c.description) << c.text;
}

const AnsiCaseFold kWestern;
const AnsiCaseFold kCyrillic{testing::CyrillicCodePage{}};
const AnsiCaseFold kJapanese{testing::JapaneseCodePage{}};

TEST(AnsiCaseFold, UpperCaseOfEachCodePage) {
    const struct {
        const AnsiCaseFold& fold;
        const char* text;
        const char* upper;
    } cases[] = {
        {kWestern, "abc xyz 019", "ABC XYZ 019"},
        {kWestern, "\xe0\xfe\xf7\xff\x9a\x9c\x9e\xdf", "\xc0\xde\xf7\x9f\x8a\x8c\x8e\xdf"},
        // я џ ё ђ і: each to its own capital
        {kCyrillic, "\xff\x9f\xb8\x90\xb3 abc", "\xdf\x8f\xa8\x80\xb2 ABC"},
        // a two-byte character keeps its trail byte, a one-byte letter after it is folded
        {kJapanese, "a\x88\x61z\x82\x81\xb1", "A\x88\x61Z\x82\x81\xb1"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.fold.Upper(c.text), c.upper) << c.fold.CodePage() << " " << c.text;
}

TEST(AnsiCaseFold, EqualOnlyWhereTheCodePageSaysSo) {
    const struct {
        const AnsiCaseFold& fold;
        std::string a, b;
        bool equal;
    } cases[] = {
        {kWestern, "\xe9t\xe9", "\xc9T\xc9", true},
        {kWestern, "\xf7", "\xd7", false},   // division sign and multiplication sign
        {kWestern, "\xff", "\x9f", true},    // ÿ and Ÿ
        {kCyrillic, "\xff", "\x9f", false},  // я and џ
        {kCyrillic, "\xff", "\xdf", true},   // я and Я
        {kCyrillic, "\x9f", "\x8f", true},   // џ and Џ
        {kCyrillic, "\xe9t\xe9", "\xc9T\xc9", true},
        {kJapanese, "\x88\x61", "\x88\x41", false},  // two different kanji
        {kJapanese, "x\x88\x61", "X\x88\x61", true},
        // the trail byte 88 is not a lead byte, so the letter after it is a letter
        {kJapanese, "\x88\x88z", "\x88\x88Z", true},
        {kJapanese, "\x88\x88\x88\x61", "\x88\x88\x88\x41", false},
        {kJapanese, "\xe0", "\xc0", false},  // a lead byte is no letter
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.fold.Equal(c.a, c.b), c.equal) << c.fold.CodePage() << " " << c.a << " / " << c.b;
        EXPECT_EQ(c.fold.Equal(c.b, c.a), c.equal) << c.fold.CodePage() << " " << c.b << " / " << c.a;
    }
}

TEST(AnsiCaseFold, DifferencesAnywhereAndCaseNowhere) {
    for (const AnsiCaseFold* fold : {&kWestern, &kCyrillic, &kJapanese}) {
        std::string text(70000, 'a');
        EXPECT_TRUE(fold->Equal(text, std::string(70000, 'A')));
        for (std::size_t at : {std::size_t{0}, std::size_t{1}, std::size_t{35000}, text.size() - 33, text.size() - 1}) {
            std::string other = text;
            other[at] = 'b';
            EXPECT_FALSE(fold->Equal(text, other)) << fold->CodePage() << ": a difference at " << at;
        }
        EXPECT_FALSE(fold->Equal("abc", "abcd"));
        EXPECT_TRUE(fold->Equal("", ""));
    }
    // Far from the end, where only the walk over the characters can tell a trail byte.
    std::string kanji;
    for (int i = 0; i < 35000; ++i) kanji += "\x88\x61";
    std::string other = kanji;
    other[1] = '\x41';
    EXPECT_FALSE(kJapanese.Equal(kanji, other));
    EXPECT_TRUE(kWestern.Equal(kanji, other));
}

}  // namespace
}  // namespace slotpad
