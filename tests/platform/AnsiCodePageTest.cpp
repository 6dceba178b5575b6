// The letter case the program folds with, built from the system's active code page: CTest
// runs this under a Western, a Cyrillic and a Japanese locale and names the code page
// each must give in SLOTPAD_EXPECTED_ACP.

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>

#include "slotpad/capture/AnsiText.h"
#include "slotpad/platform/win32/Win32AnsiCodePage.h"
#include "tests/support/FixedCodePages.h"

namespace slotpad::win32 {
namespace {

std::string EveryOneByteCharacter(const AnsiCodePage& codePage) {
    std::string text;
    for (int c = 1; c < 256; ++c) {
        if (!codePage.IsLeadByte(static_cast<unsigned char>(c))) text += static_cast<char>(c);
    }
    return text;
}

TEST(Win32AnsiCodePage, FoldsAsTheActiveCodePageDoes) {
    const Win32AnsiCodePage system;
    if (const char* expected = std::getenv("SLOTPAD_EXPECTED_ACP")) {
        ASSERT_EQ(system.Id(), static_cast<unsigned>(std::atoi(expected)));
    }
    ASSERT_EQ(system.Id(), GetACP());
    const AnsiCaseFold fold(system);

    switch (system.Id()) {
        case 1252: {
            const AnsiCaseFold western;
            const std::string all = EveryOneByteCharacter(system);
            EXPECT_EQ(fold.Upper(all), western.Upper(all));
            EXPECT_TRUE(fold.Equal("\xff", "\x9f"));  // ÿ and Ÿ
            break;
        }
        case 1251: {
            const AnsiCaseFold cyrillic(slotpad::testing::CyrillicCodePage{});
            const std::string all = EveryOneByteCharacter(system);
            EXPECT_EQ(fold.Upper(all), cyrillic.Upper(all));
            EXPECT_FALSE(fold.Equal("\xff", "\x9f"));  // я and џ
            EXPECT_TRUE(fold.Equal("\xff", "\xdf"));   // я and Я
            break;
        }
        case 932: {
            const slotpad::testing::JapaneseCodePage japanese;
            for (int c = 0; c < 256; ++c) {
                const auto byte = static_cast<unsigned char>(c);
                EXPECT_EQ(system.IsLeadByte(byte), japanese.IsLeadByte(byte)) << c;
            }
            const std::string all = EveryOneByteCharacter(system);
            EXPECT_EQ(fold.Upper(all), AnsiCaseFold(japanese).Upper(all));
            EXPECT_FALSE(fold.Equal("\x88\x61", "\x88\x41"));  // two different kanji
            EXPECT_TRUE(fold.Equal("a\x88\x61", "A\x88\x61"));
            break;
        }
        default: FAIL() << "no expectations for code page " << system.Id();
    }
}

}  // namespace
}  // namespace slotpad::win32
