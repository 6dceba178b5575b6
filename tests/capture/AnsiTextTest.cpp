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

}  // namespace
}  // namespace slotpad
