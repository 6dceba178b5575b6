// The About box's services against the real registry, the real version resource and the
// real file system of the Wine prefix.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "slotpad/dialogs/About.h"
#include "slotpad/platform/win32/Win32NumberFormat.h"
#include "slotpad/platform/win32/Win32ProgramStarter.h"
#include "slotpad/platform/win32/Win32ReadOnlyRegistry.h"
#include "slotpad/platform/win32/Win32VersionResource.h"
#include "tests/support/AboutServiceFakes.h"
#include "tests/support/DialogWindowFakes.h"

namespace slotpad {
namespace {

const char* const TEST_KEY = "SOFTWARE\\SlotPadDialogTest";

class RegistryValues : public ::testing::Test {
protected:
    void SetUp() override {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, TEST_KEY, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                  nullptr),
                  ERROR_SUCCESS);
        key_ = key;
    }
    void TearDown() override {
        if (key_) RegCloseKey(key_);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, TEST_KEY);
    }
    void Put(const char* name, DWORD type, const std::string& data) {
        ASSERT_EQ(RegSetValueExA(key_, name, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                                 static_cast<DWORD>(data.size())),
                  ERROR_SUCCESS);
    }
    KeyValueResult Read(const char* name, std::string& keyVal) {
        return GetKeyValue(registry_, HKEY_LOCAL_MACHINE_ROOT, TEST_KEY, name, keyVal);
    }

    HKEY key_ = nullptr;
    win32::Win32ReadOnlyRegistry registry_;
};

TEST_F(RegistryValues, GetKeyValueReadsWhatTheRegistryHolds) {
    struct Case {
        const char* name;
        DWORD type;
        std::string data;
        KeyValueResult result;
        std::string keyVal;  // enters as "before"
    };
    const Case cases[] = {
        {"WithNul", REG_SZ, std::string("C:\\Tools\\msinfo32.exe\0", 22), KeyValueResult::Succeeded,
         "C:\\Tools\\msinfo32.exe"},
        {"WithoutNul", REG_SZ, "C:\\Tools", KeyValueResult::Succeeded, "C:\\Tools"},
        {"Number", REG_DWORD, std::string("\x02\x01\x00\x00", 4), KeyValueResult::Succeeded, "258"},
        {"Negative", REG_DWORD, "\xFE\xFF\xFF\xFF", KeyValueResult::Succeeded, "-2"},
        {"Expandable", REG_EXPAND_SZ, std::string("%windir%\0", 9), KeyValueResult::Succeeded, "before"},
        // 1024 bytes with the NUL just fit the buffer.
        {"Full", REG_SZ, std::string(1023, 'a') + '\0', KeyValueResult::Succeeded, std::string(1023, 'a')},
        {"TooLong", REG_SZ, std::string(1025, 'a'), KeyValueResult::Failed, ""},
        {"Empty", REG_BINARY, "", KeyValueResult::Faulted, "before"},
    };
    for (const Case& c : cases) Put(c.name, c.type, c.data);
    for (const Case& c : cases) {
        std::string keyVal = "before";
        EXPECT_EQ(Read(c.name, keyVal), c.result) << c.name;
        EXPECT_EQ(keyVal, c.keyVal) << c.name;
    }
    std::string keyVal = "before";
    EXPECT_EQ(Read("Missing", keyVal), KeyValueResult::Failed);
    EXPECT_EQ(keyVal, "");
    EXPECT_EQ(GetKeyValue(registry_, HKEY_LOCAL_MACHINE_ROOT, "SOFTWARE\\NoSuchSlotPadKey", "PATH", keyVal),
              KeyValueResult::Failed);
}

TEST(VersionResource, AboutTextsComeFromTheProgramsOwnResource) {
    win32::Win32VersionResource version;
    testing::FixedApplication application;
    testing::FakeAboutWindow window;
    testing::MemoryRegistry registry;
    testing::FakeProgramStarter starter;
    testing::RecordingMessageBoxes messages;
    frmAbout about(window, application, version, registry, starter, messages);
    about.Show_About();
    EXPECT_EQ(window.labels[AboutLabel::lblVersion], "Version 1.0.8");
    EXPECT_EQ(window.labels[AboutLabel::lblTitle], "SlotPad - Clipboard Viewer/Editor");
    EXPECT_EQ(window.labels[AboutLabel::lblDisclaimer], "Developed by: \r\nBuild Date: June 5, 1999");
    EXPECT_EQ(version.String_Value("NoSuchValue"), "");
}

TEST(ProgramStarter, OnlyNormalFilesCountAndAMissingProgramDoesNotStart) {
    char folder[MAX_PATH];
    ASSERT_GT(GetTempPathA(MAX_PATH, folder), 0u);
    const std::string dir = std::string(folder) + "slotpad dialog test";
    CreateDirectoryA(dir.c_str(), nullptr);
    const std::string normal = dir + "\\MSINFO32.EXE";
    const std::string hidden = dir + "\\hidden.exe";
    for (const std::string& path : {normal, hidden}) {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                  nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        CloseHandle(file);
    }
    SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);

    win32::Win32ProgramStarter starter;
    EXPECT_TRUE(starter.Normal_File_Exists(normal));
    EXPECT_FALSE(starter.Normal_File_Exists(hidden));
    EXPECT_FALSE(starter.Normal_File_Exists(dir));
    EXPECT_FALSE(starter.Normal_File_Exists(dir + "\\absent.exe"));
    EXPECT_FALSE(starter.Start_Program(dir + "\\absent.exe"));
    EXPECT_FALSE(starter.Start_Program(""));

    SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(hidden.c_str());
    DeleteFileA(normal.c_str());
    RemoveDirectoryA(dir.c_str());
}

TEST(NumberFormat, TheDecimalSeparatorIsTheLocales) {
    char expected[8] = {};
    ASSERT_GT(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, expected, sizeof expected), 1);
    EXPECT_EQ(win32::Win32NumberFormat().Decimal_Separator(), expected);
}

}  // namespace
}  // namespace slotpad
