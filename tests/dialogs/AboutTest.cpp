#include <gtest/gtest.h>

#include "slotpad/dialogs/About.h"
#include "tests/support/AboutServiceFakes.h"
#include "tests/support/DialogWindowFakes.h"

namespace slotpad {
namespace {

using namespace slotpad::testing;

const std::string MSINFO_KEY = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string LOCATION_KEY = "SOFTWARE\\Microsoft\\Shared Tools Location";

class AboutBox : public ::testing::Test {
protected:
    FakeAboutWindow window;
    FixedApplication application;
    FixedVersionResource version;
    MemoryRegistry registry;
    FakeProgramStarter starter;
    RecordingMessageBoxes messages;
    frmAbout about{window, application, version, registry, starter, messages};
};

TEST_F(AboutBox, FormLoadFillsTheTextsInOrderFromTheVersionResource) {
    about.Show_About();
    EXPECT_EQ(window.caption, "About SlotPad");
    EXPECT_EQ(window.labels[AboutLabel::lblVersion], "Version 1.0.8");
    EXPECT_EQ(window.labels[AboutLabel::lblTitle], "SlotPad - Clipboard Viewer/Editor");
    EXPECT_EQ(window.labels[AboutLabel::lblDescription], "");
    EXPECT_EQ(window.labels[AboutLabel::lblDisclaimer], "Developed by: SlotPad\r\nBuild Date: June 5, 1999");
    const std::vector<std::string> order = {"caption",        "lblVersion",    "lblTitle",
                                            "lblDescription", "lblDisclaimer", "lblDisclaimer"};
    EXPECT_EQ(window.log, order);
}

TEST_F(AboutBox, TextsFollowWhatTheResourceHolds) {
    version.strings.erase("CompanyName");
    version.strings["FileDescription"] = "Something Else";
    version.version = {2, 10, 345};
    application.title = "Pad";
    about.Show_About();
    EXPECT_EQ(window.caption, "About Pad");
    EXPECT_EQ(window.labels[AboutLabel::lblVersion], "Version 2.10.345");
    EXPECT_EQ(window.labels[AboutLabel::lblTitle], "Pad - Something Else");
    EXPECT_EQ(window.labels[AboutLabel::lblDisclaimer], "Developed by: \r\nBuild Date: June 5, 1999");
}

TEST_F(AboutBox, EachShowingLoadsTheTextsAnew) {
    about.Show_About();
    window.labels[AboutLabel::lblDisclaimer] = "stale";
    about.Show_About();
    EXPECT_EQ(window.labels[AboutLabel::lblDisclaimer], "Developed by: SlotPad\r\nBuild Date: June 5, 1999");
}

struct KeyValueCase {
    const char* what;
    uint32_t type;
    std::string data;
    KeyValueResult result;
    std::string keyVal;  // KeyVal enters as "before"
};

TEST(GetKeyValue, ReadsStringsAndNumbersByTheValuesType) {
    const KeyValueCase cases[] = {
        {"string with its NUL", REG_SZ_TYPE, std::string("C:\\tool.exe\0", 12), KeyValueResult::Succeeded,
         "C:\\tool.exe"},
        {"string without a NUL", REG_SZ_TYPE, "C:\\tool.exe", KeyValueResult::Succeeded, "C:\\tool.exe"},
        {"string of only a NUL", REG_SZ_TYPE, std::string(1, '\0'), KeyValueResult::Succeeded, ""},
        {"number 258", REG_DWORD_TYPE, std::string("\x02\x01\x00\x00", 4), KeyValueResult::Succeeded, "258"},
        {"number -2", REG_DWORD_TYPE, "\xFE\xFF\xFF\xFF", KeyValueResult::Succeeded, "-2"},
        {"lowest number", REG_DWORD_TYPE, std::string("\x00\x00\x00\x80", 4), KeyValueResult::Succeeded,
         "-2147483648"},
        {"number with a zero top byte", REG_DWORD_TYPE, std::string("\xFF\xFF\xFF\x00", 4),
         KeyValueResult::Succeeded, "16777215"},
        {"number zero", REG_DWORD_TYPE, std::string(4, '\0'), KeyValueResult::Succeeded, "0"},
        {"expandable string", REG_EXPAND_SZ_TYPE, std::string("%windir%\0", 9), KeyValueResult::Succeeded,
         "before"},
        {"1024 bytes", REG_SZ_TYPE, std::string(1024, 'a'), KeyValueResult::Succeeded, std::string(1024, 'a')},
        {"1025 bytes", REG_SZ_TYPE, std::string(1025, 'a'), KeyValueResult::Failed, ""},
        {"no data", REG_SZ_TYPE, "", KeyValueResult::Faulted, "before"},
        {"number of five bytes", REG_DWORD_TYPE, "\x01\x02\x03\x04\x05", KeyValueResult::Faulted, "before"},
    };
    for (const KeyValueCase& c : cases) {
        MemoryRegistry registry;
        registry.Set("SOFTWARE\\Test", "Value", c.type, c.data);
        std::string keyVal = "before";
        EXPECT_EQ(GetKeyValue(registry, HKEY_LOCAL_MACHINE_ROOT, "SOFTWARE\\Test", "Value", keyVal), c.result)
            << c.what;
        EXPECT_EQ(keyVal, c.keyVal) << c.what;
    }
}

TEST(GetKeyValue, AMissingOrUnreadableValueFailsWithAnEmptyResult) {
    MemoryRegistry registry;
    registry.Set("SOFTWARE\\Test", "Value", REG_SZ_TYPE, "x");
    registry.Set("SOFTWARE\\Locked", "Value", REG_SZ_TYPE, "x");
    registry.unreadableKeys.insert("SOFTWARE\\Locked");
    for (const auto& [key, name] : {std::pair{"SOFTWARE\\Test", "Other"}, std::pair{"SOFTWARE\\None", "Value"},
                                    std::pair{"SOFTWARE\\Locked", "Value"}}) {
        std::string keyVal = "before";
        EXPECT_EQ(GetKeyValue(registry, HKEY_LOCAL_MACHINE_ROOT, key, name, keyVal), KeyValueResult::Failed);
        EXPECT_EQ(keyVal, "");
    }
}

TEST_F(AboutBox, SystemInfoStartsFromThePathValueWithoutTestingIt) {
    registry.Set(MSINFO_KEY, "PATH", REG_SZ_TYPE, std::string("C:\\Tools\\msinfo32.exe\0", 22));
    starter.startable.insert("C:\\Tools\\msinfo32.exe");
    window.whileShown = [](AboutEvents& e) { e.cmdSysInfo_Click(); };
    about.Show_About();
    EXPECT_EQ(starter.starts, std::vector<std::string>{"C:\\Tools\\msinfo32.exe"});
    EXPECT_TRUE(starter.fileTests.empty());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(registry.queries, std::vector<std::string>{MSINFO_KEY + "|PATH"});
}

TEST_F(AboutBox, SystemInfoFromTheFolderValueWhenTheToolIsThere) {
    registry.Set(LOCATION_KEY, "MSINFO", REG_SZ_TYPE, std::string("C:\\Shared\\MSInfo\0", 17));
    starter.files.insert("C:\\Shared\\MSInfo\\MSINFO32.EXE");
    starter.startable.insert("C:\\Shared\\MSInfo\\MSINFO32.EXE");
    about.StartSysInfo();
    EXPECT_EQ(starter.starts, std::vector<std::string>{"C:\\Shared\\MSInfo\\MSINFO32.EXE"});
    EXPECT_TRUE(messages.shown.empty());
}

struct UnavailableCase {
    const char* what;
    std::function<void(MemoryRegistry&, FakeProgramStarter&)> arrange;
    std::vector<std::string> starts;
};

TEST_F(AboutBox, SystemInfoUnavailableShowsTheMessage) {
    const UnavailableCase cases[] = {
        {"no values", [](MemoryRegistry&, FakeProgramStarter&) {}, {}},
        {"path where nothing starts",
         [](MemoryRegistry& r, FakeProgramStarter&) { r.Set(MSINFO_KEY, "PATH", REG_SZ_TYPE, "C:\\gone.exe"); },
         {"C:\\gone.exe"}},
        {"folder without the tool",
         [](MemoryRegistry& r, FakeProgramStarter&) { r.Set(LOCATION_KEY, "MSINFO", REG_SZ_TYPE, "C:\\Empty"); },
         {}},
        {"tool there but it will not start",
         [](MemoryRegistry& r, FakeProgramStarter& s) {
             r.Set(LOCATION_KEY, "MSINFO", REG_SZ_TYPE, "C:\\Dir");
             s.files.insert("C:\\Dir\\MSINFO32.EXE");
         },
         {"C:\\Dir\\MSINFO32.EXE"}},
        {"path of another type",
         [](MemoryRegistry& r, FakeProgramStarter& s) {
             r.Set(MSINFO_KEY, "PATH", REG_EXPAND_SZ_TYPE, "%ProgramFiles%\\msinfo32.exe");
             r.Set(LOCATION_KEY, "MSINFO", REG_SZ_TYPE, "C:\\Dir");
             s.files.insert("C:\\Dir\\MSINFO32.EXE");
             s.startable.insert("C:\\Dir\\MSINFO32.EXE");
         },
         {}},
        {"path with no data",
         [](MemoryRegistry& r, FakeProgramStarter& s) {
             r.Set(MSINFO_KEY, "PATH", REG_SZ_TYPE, "");
             r.Set(LOCATION_KEY, "MSINFO", REG_SZ_TYPE, "C:\\Dir");
             s.files.insert("C:\\Dir\\MSINFO32.EXE");
             s.startable.insert("C:\\Dir\\MSINFO32.EXE");
         },
         {}},
    };
    for (const UnavailableCase& c : cases) {
        MemoryRegistry caseRegistry;
        FakeProgramStarter caseStarter;
        RecordingMessageBoxes caseMessages;
        c.arrange(caseRegistry, caseStarter);
        frmAbout box(window, application, version, caseRegistry, caseStarter, caseMessages);
        box.StartSysInfo();
        EXPECT_EQ(caseMessages.shown, std::vector<std::string>{"System Information Is Unavailable At This Time"})
            << c.what;
        EXPECT_EQ(caseStarter.starts, c.starts) << c.what;
    }
}

}  // namespace
}  // namespace slotpad
