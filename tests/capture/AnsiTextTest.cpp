#include <gtest/gtest.h>

#include "slotpad/capture/AnsiText.h"

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

TEST(UpperAnsi, LettersOfWindows1252) {
    EXPECT_EQ(UpperAnsi("abc xyz 019"), "ABC XYZ 019");
    EXPECT_EQ(UpperAnsi("\xe0\xfe\xf7\xff\x9a\x9c\x9e\xdf"), "\xc0\xde\xf7\x9f\x8a\x8c\x8e\xdf");
}

TEST(EqualIgnoringAnsiCase, DifferencesAnywhereAndCaseNowhere) {
    std::string text(70000, 'a');
    EXPECT_TRUE(EqualIgnoringAnsiCase(text, std::string(70000, 'A')));
    for (std::size_t at : {std::size_t{0}, std::size_t{1}, std::size_t{35000}, text.size() - 33, text.size() - 1}) {
        std::string other = text;
        other[at] = 'b';
        EXPECT_FALSE(EqualIgnoringAnsiCase(text, other)) << "a difference at " << at;
    }
    EXPECT_FALSE(EqualIgnoringAnsiCase("abc", "abcd"));
    EXPECT_TRUE(EqualIgnoringAnsiCase("", ""));
    EXPECT_TRUE(EqualIgnoringAnsiCase("\xe9t\xe9", "\xc9T\xc9"));
    EXPECT_FALSE(EqualIgnoringAnsiCase("\xf7", "\xd7")) << "division sign and multiplication sign stay apart";
}

}  // namespace
}  // namespace slotpad
