#include "tools/slotpad-ini/IniTool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "tests/store/SettingsFixtures.h"
#include "tests/support/MemoryFileStore.h"
#include "tools/slotpad-ini/Cp1252.h"

namespace slotpad {
namespace {

using namespace fixture;
using Json = nlohmann::json;

struct ToolRun {
    int Status;
    std::string Out, Err;
};

ToolRun Run_Tool(MemoryFileStore& Files, const std::vector<std::string>& Args) {
    std::ostringstream Out, Err;
    const int Status = Run_Slotpad_Ini(Args, Files, Out, Err);
    return {Status, Out.str(), Err.str()};
}

TEST(Cp1252, ConvertsEveryByteToUtf8) {
    EXPECT_EQ(Cp1252_To_Utf8("plain ASCII\r\n\t"), "plain ASCII\r\n\t");
    EXPECT_EQ(Cp1252_To_Utf8("\x80\x8A\x99\x9F"), "\u20AC\u0160\u2122\u0178");
    EXPECT_EQ(Cp1252_To_Utf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
    EXPECT_EQ(Cp1252_To_Utf8("\xA0\xE9\xFF"), "\u00A0\u00E9\u00FF");
    EXPECT_EQ(Cp1252_To_Utf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(SlotpadIni, DumpShowsEverythingTheLoadGives) {
    MemoryFileStore Files;
    Files.Files["in.ini"] = File_1_00_50(Header{}, Fonts{}, Sample_List());
    const ToolRun R = Run_Tool(Files, {"dump", "in.ini"});
    ASSERT_EQ(R.Status, 0) << R.Err;
    EXPECT_EQ(R.Err, "");
    const Json J = Json::parse(R.Out);

    EXPECT_EQ(J["marker"], "1.00.50");
    EXPECT_EQ(J["record"].size(), 25u);
    EXPECT_EQ(J["record"]["WindowWidth"], 4800);
    EXPECT_EQ(J["record"]["Reserved"], 77);
    EXPECT_EQ(J["record"]["TextFontName"], "Arial");
    EXPECT_EQ(J["settings"]["AddMode"], POS_BOTTOM);
    EXPECT_EQ(J["settings"]["TextFont"]["Size"], 9.5);
    EXPECT_EQ(J["settings"]["DescFont"]["Underline"], VB_TRUE);
    EXPECT_EQ(J["CurSlot"], 2);
    EXPECT_EQ(J["HeadNode"], 4);
    ASSERT_EQ(J["slots"].size(), 4u);
    std::vector<int> Order;
    for (const Json& Slot : J["slots"]) Order.push_back(Slot["node"]);
    EXPECT_EQ(Order, (std::vector<int>{4, 1, 2, 0}));
    EXPECT_EQ(J["slots"][1]["Text"], "caf\u00E9 \u20AC 5");
    EXPECT_EQ(J["slots"][1]["Locked"], VB_TRUE);
    EXPECT_EQ(J["FreeStack"].size(), 71u);
    ASSERT_EQ(J["Nodes"].size(), 71u);
    EXPECT_EQ(J["Nodes"][3]["Text"], "deleted text");
    EXPECT_EQ(J["Nodes"][0]["PrevNode"], 2);
    EXPECT_EQ(J["repairs"], Json::array());
}

TEST(SlotpadIni, DumpListsTheRepairs) {
    MemoryFileStore Files;
    const std::string Whole = File_1_00_50(Header{}, Fonts{}, Sample_List());
    Files.Files["in.ini"] = Whole.substr(0, Whole.size() - 1);
    const ToolRun R = Run_Tool(Files, {"dump", "in.ini"});
    ASSERT_EQ(R.Status, 0);
    EXPECT_EQ(Json::parse(R.Out)["repairs"][0], "truncated");
}

struct ErrorCase {
    const char* Name;
    std::vector<std::string> Args;
    int Status;
    const char* Says;
};

class ToolErrors : public testing::TestWithParam<ErrorCase> {};

TEST_P(ToolErrors, AreOneLineOnStderr) {
    MemoryFileStore Files;
    Files.Files["positions.ini"] = "[Positions]\r\nLeft=0\r\n";
    Files.Files["other.ini"] = "9.99.99 and more";
    Files.Files["locked.ini"] = File_1_00_50(Header{}, Fonts{}, Sample_List());
    Files.Unreadable.insert("locked.ini");
    Files.Files["good.ini"] = File_1_00_50(Header{}, Fonts{}, Sample_List());
    Files.Unwritable.insert("readonly.ini");

    const ToolRun R = Run_Tool(Files, GetParam().Args);
    EXPECT_EQ(R.Status, GetParam().Status);
    EXPECT_EQ(R.Out, "");
    EXPECT_EQ(std::count(R.Err.begin(), R.Err.end(), '\n'), 1) << R.Err;
    EXPECT_NE(R.Err.find(GetParam().Says), std::string::npos) << R.Err;
    EXPECT_FALSE(Files.Has("out.ini"));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ToolErrors,
    testing::Values(ErrorCase{"Missing", {"dump", "none.ini"}, 1, "none.ini: no such file"},
                    ErrorCase{"Unreadable", {"dump", "locked.ini"}, 1, "cannot be read"},
                    ErrorCase{"Positions", {"dump", "positions.ini"}, 1, "[Positi"},
                    ErrorCase{"UnknownMarker", {"upgrade", "other.ini", "out.ini"}, 1, "\"9.99.99\""},
                    ErrorCase{"MissingInput", {"upgrade", "none.ini", "out.ini"}, 1, "no such file"},
                    ErrorCase{"UnwritableOutput", {"upgrade", "good.ini", "readonly.ini"}, 1, "cannot be written"},
                    ErrorCase{"NoArguments", {}, 2, "usage"},
                    ErrorCase{"DumpWithoutFile", {"dump"}, 2, "usage"},
                    ErrorCase{"UpgradeWithOneFile", {"upgrade", "good.ini"}, 2, "usage"},
                    ErrorCase{"UnknownCommand", {"show", "good.ini"}, 2, "usage"}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(SlotpadIni, HelpExplainsBothCommands) {
    MemoryFileStore Files;
    const ToolRun R = Run_Tool(Files, {"--help"});
    EXPECT_EQ(R.Status, 0);
    EXPECT_NE(R.Out.find("dump FILE"), std::string::npos);
    EXPECT_NE(R.Out.find("upgrade IN OUT"), std::string::npos);
}

TEST(SlotpadIni, UpgradeWritesWhatTheProgramWouldSave) {
    const SlotList Sample = Sample_List();
    MemoryFileStore Files;
    Header H;
    Files.Files["old.ini"] = File_1_00_40("1.00.40", H, Sample);
    ASSERT_EQ(Run_Tool(Files, {"upgrade", "old.ini", "new.ini"}).Status, 0);

    H.CurSlot = Sample.HeadNode;
    const FontSpec T = Default_Text_Font(), D = Default_Desc_Font();
    const Fonts Defaults{T.Name, T.Size, T.Bold, T.Italic, T.Underline, VB_TRUE, D.Name, D.Size, D.Bold, D.Italic,
                         D.Underline};
    EXPECT_EQ(Files.Files["new.ini"], File_1_00_50(H, Defaults, Sample));
    EXPECT_FALSE(Files.Has("old.ini.bak"));
}

TEST(SlotpadIni, UpgradeWritesTheOnTopFlagAsTrueOrFalse) {
    for (const int16_t Stored : {int16_t{7}, int16_t{1}, VB_TRUE, VB_FALSE}) {
        MemoryFileStore Files;
        Header H;
        H.OnTop = Stored;
        Files.Files["in.ini"] = File_1_00_50(H, Fonts{}, Sample_List());
        ASSERT_EQ(Run_Tool(Files, {"upgrade", "in.ini", "out.ini"}).Status, 0);
        H.OnTop = Stored != 0 ? VB_TRUE : VB_FALSE;
        EXPECT_EQ(Files.Files["out.ini"], File_1_00_50(H, Fonts{}, Sample_List())) << Stored;
    }
}

TEST(SlotpadIni, UpgradeOfAFileWithoutGeometryWritesZeros) {
    MemoryFileStore Files;
    Files.Files["cut.ini"] = "1.00.50\x01";
    ASSERT_EQ(Run_Tool(Files, {"upgrade", "cut.ini", "new.ini"}).Status, 0);
    EXPECT_EQ(Files.Files["new.ini"].substr(7, 8), std::string(8, '\0'));
}

TEST(SlotpadIni, UpgradeInPlaceKeepsADamagedOriginal) {
    MemoryFileStore Files;
    const std::string Whole = File_1_00_50(Header{}, Fonts{}, Sample_List());
    Files.Files["in.ini"] = Whole.substr(0, 500);
    ASSERT_EQ(Run_Tool(Files, {"upgrade", "in.ini", "in.ini"}).Status, 0);
    EXPECT_EQ(Files.Files["in.ini.bak"], Whole.substr(0, 500));
}

}  // namespace
}  // namespace slotpad
