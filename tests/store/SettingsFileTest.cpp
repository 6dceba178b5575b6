#include "slotpad/store/SettingsFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/store/ListChecks.h"
#include "tests/store/SettingsFixtures.h"
#include "tests/support/FormFakes.h"
#include "tests/support/MemoryFileStore.h"

namespace slotpad {
namespace {

using namespace fixture;
using slotpad::testing::EventLog;
using slotpad::testing::FormApplication;
using slotpad::testing::FormScreen;
using slotpad::testing::FormWindow;

const std::string INI_PATH = "C:\\Program Files\\SlotPad\\SlotPad.ini";

class SettingsFileTest : public ::testing::Test {
protected:
    SettingsFileTest() {
        App.folder = "C:\\Program Files\\SlotPad";
        Scr.widthTwips = 19201, Scr.heightTwips = 14399;  // odd, so that the halves round toward zero
        Frm.width = 3600, Frm.height = 2400;
    }

    MemoryFileStore Files;
    FormApplication App;
    FormScreen Scr;
    EventLog Log;
    FormWindow Frm{Log};
    SettingsFile File{Files, App, Scr};
    SlotList List;
    Settings S;
    WindowPlacement Placed;

    // The load, and the main form's part of it: the window goes where it says.
    void Load_Into(FormWindow& W, SlotList& L, Settings& Into) {
        Placed = File.Load_Settings(W, L, Into);
        W.Place(Placed.Frame);
        W.SetTopChecked(Placed.OnTop);
    }
    void Load(const std::string& Bytes) {
        Files.Files[INI_PATH] = Bytes;
        Load_Into(Frm, List, S);
    }
    std::string Save() {
        EXPECT_TRUE(File.Save_Settings(Frm, List, S));
        return Files.Files[INI_PATH];
    }
    void Expect_Centred_Defaults() {
        EXPECT_EQ(Frm.left, 19201 / 2 - 3600 / 2);
        EXPECT_EQ(Frm.top, 14399 / 2 - 2400 / 2);
        EXPECT_EQ(Frm.width, 3600);
        EXPECT_EQ(Frm.height, 2400);
        EXPECT_FALSE(Placed.OnTop);
        EXPECT_EQ(S, Settings{});
        EXPECT_TRUE(Order(List).empty());
        EXPECT_TRUE(Is_Valid_List(List));
        EXPECT_EQ(File.Record.Reserved, 0);
    }
};

Header Header_For(const SlotList& L) {
    Header H;
    H.CurSlot = L.HeadNode;
    return H;
}

TEST(SettingsPath, JoinsFolderTitleAndExtension) {
    EXPECT_EQ(SettingsFile::Settings_Path("C:\\Program Files\\SlotPad", "SlotPad"),
              "C:\\Program Files\\SlotPad\\SlotPad.ini");
    EXPECT_EQ(SettingsFile::Settings_Path("C:\\", "SlotPad"), "C:\\SlotPad.ini");
}

TEST_F(SettingsFileTest, NoFileGivesDefaultsCentredWindowAndEmptyList) {
    Load_Into(Frm, List, S);
    EXPECT_EQ(File.SettingsPath, INI_PATH);
    Expect_Centred_Defaults();
    EXPECT_EQ(S.AddMode, 2);
    EXPECT_EQ(S.IgnoreCase, 1);
    EXPECT_EQ(S.DelWarn, VB_TRUE);
    EXPECT_EQ(S.PrintDesc, VB_TRUE);
    EXPECT_EQ(S.TextFont, (FontSpec{"Courier New", 10, VB_FALSE, VB_FALSE, VB_FALSE}));
    EXPECT_EQ(S.DescFont, (FontSpec{"Times New Roman", 14, VB_TRUE, VB_FALSE, VB_FALSE}));
    EXPECT_EQ(S.CurSlot, NIL_NODE);
    EXPECT_EQ(File.Report.Kind, FileKind::Missing);
    EXPECT_FALSE(File.Report.BackupPending);

    // Even a first save while maximised writes the centred position, not zeros.
    Frm.state = WindowState::Maximized;
    Frm.left = Frm.top = 0;
    const std::string Saved = Save();
    EXPECT_EQ(Saved.substr(0, 7), "1.00.50");
    EXPECT_EQ(Saved.substr(7, 4), Bytes().I16(19201 / 2 - 1800).I16(14399 / 2 - 1200).Data);
    EXPECT_EQ(Files.Copies, 0);
}

TEST_F(SettingsFileTest, EmptyFileHasTheFixedLayout) {
    Load_Into(Frm, List, S);
    S.TextFont.Name.clear();
    S.DescFont.Name.clear();
    const std::string Saved = Save();
    ASSERT_EQ(Saved.size(), 61u + 710 + 142);

    Header H;
    H.Left = static_cast<int16_t>(Frm.left), H.Top = static_cast<int16_t>(Frm.top), H.Width = 3600, H.Height = 2400;
    H.IgnoreCase = 1, H.CurSlot = NIL_NODE, H.Reserved = 0, H.AddMode = 2, H.DelWarn = VB_TRUE, H.OnTop = 0;
    Fonts F{"", 10, 0, 0, 0, VB_TRUE, "", 14, VB_TRUE, 0, 0};
    EXPECT_EQ(Saved, File_1_00_50(H, F, SlotList{}));
    EXPECT_EQ(Saved.substr(35, 2), std::string("\0\0", 2));  // empty font name
    EXPECT_EQ(Saved.substr(61, 10), std::string("\x04\x27\x04\x27\0\0\0\0\0\0", 10));
    EXPECT_EQ(Saved.substr(771, 4), std::string("\x46\0\x45\0", 4));  // free stack 70, 69, ...

    SlotList Again;
    Settings S2;
    Load_Into(Frm, Again, S2);
    EXPECT_EQ(S2.TextFont.Name, "");
    EXPECT_TRUE(File.Report.Repairs.empty());
}

TEST_F(SettingsFileTest, NewestVersionLoadsEveryFieldAndSavesIdenticalBytes) {
    const SlotList Sample = Sample_List();
    const Header H;
    const Fonts F;
    const std::string Original = File_1_00_50(H, F, Sample);
    Load(Original);

    EXPECT_EQ(File.Report.Kind, FileKind::V1_00_50);
    EXPECT_EQ(File.FileMarker, "1.00.50");
    EXPECT_TRUE(File.Report.Repairs.empty());
    EXPECT_FALSE(File.Report.BackupPending);
    EXPECT_EQ((std::vector<int>{Frm.left, Frm.top, Frm.width, Frm.height}), (std::vector<int>{1200, 900, 4800, 3300}));
    EXPECT_TRUE(Frm.topChecked);
    EXPECT_EQ(S.IgnoreCase, 0);
    EXPECT_EQ(S.CurSlot, 2);
    EXPECT_EQ(S.AddMode, POS_BOTTOM);
    EXPECT_EQ(S.DelWarn, VB_FALSE);
    EXPECT_EQ(S.TextFont, (FontSpec{"Arial", 9.5f, VB_TRUE, VB_TRUE, VB_FALSE}));
    EXPECT_EQ(S.PrintDesc, VB_FALSE);
    EXPECT_EQ(S.DescFont, (FontSpec{"Verdana", 12, VB_FALSE, VB_FALSE, VB_TRUE}));
    EXPECT_EQ(File.Record.Reserved, 77);
    EXPECT_EQ(List.Nodes, Sample.Nodes);
    EXPECT_EQ(List.FreeStack, Sample.FreeStack);
    EXPECT_EQ(Order(List), (std::vector<int16_t>{4, 1, 2, 0}));
    EXPECT_EQ(List.Nodes[3].Slot.Text, "deleted text");  // a free node keeps its record

    EXPECT_EQ(Save(), Original);
}

TEST_F(SettingsFileTest, FullListRoundTrips) {
    const SlotList Full = Full_List(300);
    const std::string Original = File_1_00_50(Header_For(Full), Fonts{}, Full);
    Load(Original);
    EXPECT_TRUE(File.Report.Repairs.empty());
    EXPECT_EQ(List.Nodes, Full.Nodes);
    EXPECT_EQ(List.LastPos, 70);
    EXPECT_EQ(List.FreeTop, -1);
    EXPECT_EQ(Save(), Original);
}

TEST_F(SettingsFileTest, StoredFreeNodeLinksAreTakenAsTheyAre) {
    SlotList Sample = Sample_List();
    Sample.Nodes[3].PrevNode = 2;  // stale links of a free node do not make a file damaged
    Sample.Nodes[3].NextNode = 0;
    const std::string Original = File_1_00_50(Header{}, Fonts{}, Sample);
    Load(Original);
    EXPECT_TRUE(File.Report.Repairs.empty());
    EXPECT_EQ(List.Nodes[3].PrevNode, 2);
    EXPECT_EQ(Save(), Original);
}

TEST_F(SettingsFileTest, AnyNonZeroDeleteWarningIsTrue) {
    Header H;
    H.DelWarn = 5;
    Load(File_1_00_50(H, Fonts{}, Sample_List()));
    EXPECT_EQ(S.DelWarn, VB_TRUE);
}

struct MiddleVersionCase {
    const char* Marker;
    int16_t StoredIgnoreCase;
    int16_t LoadedIgnoreCase;
};

class MiddleVersions : public SettingsFileTest, public ::testing::WithParamInterface<MiddleVersionCase> {};

TEST_P(MiddleVersions, LoadWithDefaultFontsTopSlotCurrentAndUpgrade) {
    const SlotList Sample = Sample_List();
    Header H;
    H.IgnoreCase = GetParam().StoredIgnoreCase;
    H.CurSlot = 0;  // not taken over: the top slot becomes current
    Load(File_1_00_40(GetParam().Marker, H, Sample));

    EXPECT_EQ(File.FileMarker, GetParam().Marker);
    EXPECT_TRUE(File.Report.Repairs.empty());
    EXPECT_EQ(S.IgnoreCase, GetParam().LoadedIgnoreCase);
    EXPECT_EQ(S.CurSlot, 4);
    EXPECT_EQ(S.AddMode, POS_BOTTOM);
    EXPECT_EQ(S.DelWarn, VB_FALSE);
    EXPECT_EQ(S.PrintDesc, VB_TRUE);
    EXPECT_EQ(S.TextFont, Default_Text_Font());
    EXPECT_EQ(S.DescFont, Default_Desc_Font());
    EXPECT_EQ(Frm.width, 4800);
    EXPECT_TRUE(Frm.topChecked);
    EXPECT_EQ(List.Nodes, Sample.Nodes);

    Header Upgraded = H;
    Upgraded.IgnoreCase = GetParam().LoadedIgnoreCase;
    Upgraded.CurSlot = 4;
    const FontSpec T = Default_Text_Font(), D = Default_Desc_Font();
    const Fonts Defaults{T.Name, T.Size, T.Bold, T.Italic, T.Underline, VB_TRUE, D.Name, D.Size, D.Bold, D.Italic,
                         D.Underline};
    EXPECT_EQ(Save(), File_1_00_50(Upgraded, Defaults, Sample));
    EXPECT_EQ(File.FileMarker, "1.00.50");
}

INSTANTIATE_TEST_SUITE_P(Table, MiddleVersions,
                         ::testing::Values(MiddleVersionCase{"1.00.40", 0, 0}, MiddleVersionCase{"1.00.10", 0, 1}),
                         [](const auto& Info) { return std::string(Info.param.Marker[5] == '4' ? "V40" : "V10"); });

TEST_F(SettingsFileTest, OldestVersionImportsNonEmptySlotsInOrder) {
    std::vector<OldSlot> Slots(41);
    Slots[0] = {"one", 0, "d1"};
    Slots[1] = {"", VB_TRUE, ""};  // locked but empty: dropped
    Slots[2] = {"", 0, "only a description"};
    Slots[5] = {"three", 7, ""};
    Slots[40] = {"last", VB_TRUE, "end"};
    Header H;
    H.Reserved = -12;
    Load(File_1_00_00(H, Slots));

    EXPECT_EQ(File.Report.Kind, FileKind::V1_00_00);
    EXPECT_TRUE(File.Report.Repairs.empty());
    ASSERT_EQ(Order(List), (std::vector<int16_t>{0, 1, 2, 3}));
    EXPECT_EQ(List.Nodes[0].Slot, (SlotRecord{VB_FALSE, "one", "d1"}));
    EXPECT_EQ(List.Nodes[1].Slot, (SlotRecord{VB_FALSE, "", "only a description"}));
    EXPECT_EQ(List.Nodes[2].Slot, (SlotRecord{VB_TRUE, "three", ""}));
    EXPECT_EQ(List.Nodes[3].Slot, (SlotRecord{VB_TRUE, "last", "end"}));
    EXPECT_EQ(S.CurSlot, 0);
    EXPECT_EQ((std::vector<int>{Frm.left, Frm.top, Frm.width, Frm.height}), (std::vector<int>{1200, 900, 4800, 3300}));
    EXPECT_TRUE(Frm.topChecked);
    EXPECT_EQ(File.Record.Reserved, -12);
    EXPECT_EQ(S.AddMode, 2);
    EXPECT_EQ(S.IgnoreCase, 1);
    EXPECT_EQ(S.DelWarn, VB_TRUE);
    EXPECT_EQ(S.TextFont, Default_Text_Font());

    Save();
    SlotList Again;
    Load_Into(Frm, Again, S);
    EXPECT_EQ(File.Report.Kind, FileKind::V1_00_50);
    EXPECT_EQ(File.Record.Reserved, -12);
    EXPECT_EQ(Order(Again), (std::vector<int16_t>{0, 1, 2, 3}));
}

TEST_F(SettingsFileTest, OldestVersionWithNothingInItGivesEmptyList) {
    Load(File_1_00_00(Header{}, {}));
    EXPECT_TRUE(Order(List).empty());
    EXPECT_EQ(S.CurSlot, NIL_NODE);
    EXPECT_TRUE(Is_Valid_List(List));
}

struct ForeignCase {
    const char* Name;
    std::string Bytes;
    FileKind Kind;
};

class ForeignFiles : public SettingsFileTest, public ::testing::WithParamInterface<ForeignCase> {};

TEST_P(ForeignFiles, LoadLikeNoFileAndAreBackedUpBeforeTheSave) {
    Load(GetParam().Bytes);
    EXPECT_EQ(File.Report.Kind, GetParam().Kind);
    Expect_Centred_Defaults();
    EXPECT_TRUE(File.Report.BackupPending);

    const std::string Saved = Save();
    EXPECT_EQ(Saved.substr(0, 7), "1.00.50");
    EXPECT_EQ(Files.Files[INI_PATH + ".bak"], GetParam().Bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ForeignFiles,
    ::testing::Values(ForeignCase{"PositionsTextFile", "[Positions]\r\nLeft=100\r\nTop=200\r\n", FileKind::Positions},
                    ForeignCase{"UnknownMarker", "2.00.00" + std::string(900, '\x01'), FileKind::Unknown},
                    ForeignCase{"TooShortForAMarker", "1.00.5", FileKind::Unknown},
                    ForeignCase{"EmptyFile", "", FileKind::Unknown}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(SettingsFileTest, UnreadableFileLoadsDefaultsAndIsNeverReplacedWithoutItsCopy) {
    Files.Files[INI_PATH] = File_1_00_50(Header{}, Fonts{}, Sample_List());
    Files.Unreadable.insert(INI_PATH);
    Load_Into(Frm, List, S);
    EXPECT_EQ(File.Report.Kind, FileKind::Unreadable);
    EXPECT_EQ(File.Report.Unreadable, ReadFailure::InUse);
    Expect_Centred_Defaults();
    EXPECT_EQ(Files.Paused, std::chrono::seconds(2)) << "tried again for two seconds";

    const std::string Before = Files.Files[INI_PATH];
    int16_t N = 0;
    List.Insert_Node(Slot("this session"), POS_TOP, N);
    EXPECT_TRUE(File.Save_Settings(Frm, List, S));
    EXPECT_TRUE(File.Save_Settings(Frm, List, S));
    EXPECT_EQ(Files.Files[INI_PATH], Before);
    EXPECT_FALSE(Files.Has(INI_PATH + ".bak"));
    ASSERT_TRUE(Files.Has(INI_PATH + ".new"));

    SettingsStore Reader(Files);
    SlotList Aside;
    Reader.Load_From(INI_PATH + ".new", {}, Aside, S);
    EXPECT_EQ(Order(Aside), Order(List));
}

TEST_F(SettingsFileTest, FileHeldForAMomentAtLogonLoadsAfterWaiting) {
    const std::string Original = File_1_00_50(Header{}, Fonts{}, Sample_List());
    Files.Files[INI_PATH] = Original;
    Files.FailingReads[INI_PATH] = 5;
    Load_Into(Frm, List, S);
    EXPECT_EQ(File.Report.Kind, FileKind::V1_00_50);
    EXPECT_EQ(File.Report.Unreadable, ReadFailure::None);
    EXPECT_EQ(Files.Paused, std::chrono::milliseconds(500));
    EXPECT_EQ(Order(List), Order(Sample_List()));
    EXPECT_EQ(Save(), Original);
    EXPECT_FALSE(Files.Has(INI_PATH + ".new"));
}

// A session saved beside a file that could not be read meets that file at the next start.
TEST_F(SettingsFileTest, NextStartTakesTheNewerOfTheFileAndTheSessionBesideIt) {
    SlotList Old = Sample_List(), Session = Sample_List();
    int16_t N = 0;
    Session.Insert_Node(Slot("from the session beside"), POS_TOP, N);
    const std::string OldBytes = File_1_00_50(Header{}, Fonts{}, Old);
    const std::string SessionBytes = File_1_00_50(Header_For(Session), Fonts{}, Session);
    const struct {
        const char* Name;
        bool SessionNewer;
        bool FileReadable;
        const SlotList& Expected;
    } Cases[] = {
        {"session newer", true, true, Session},
        {"file newer", false, true, Old},
        {"file still unreadable", false, false, Session},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        Files = MemoryFileStore{};
        Files.Files[INI_PATH] = OldBytes;
        Files.Files[INI_PATH + ".new"] = SessionBytes;
        Files.Times[INI_PATH] = C.SessionNewer ? 1 : 2;
        Files.Times[INI_PATH + ".new"] = C.SessionNewer ? 2 : 1;
        Files.Clock = 10;
        if (!C.FileReadable) Files.Unreadable.insert(INI_PATH);
        Load_Into(Frm, List, S);
        EXPECT_EQ(Order(List), Order(C.Expected));

        EXPECT_TRUE(File.Save_Settings(Frm, List, S));
        if (C.FileReadable) {
            SlotList Saved;
            SettingsStore Reader(Files);
            Reader.Load_From(INI_PATH, {}, Saved, S);
            EXPECT_EQ(Order(Saved), Order(C.Expected));
            EXPECT_FALSE(Files.Has(INI_PATH + ".new"));
            // The file that lost to a newer session is kept as a backup.
            if (C.SessionNewer) {
                EXPECT_EQ(Files.Files[INI_PATH + ".bak"], OldBytes);
            }
        } else {
            EXPECT_EQ(Files.Files[INI_PATH], OldBytes);
            EXPECT_TRUE(Files.Has(INI_PATH + ".new"));
        }
    }
}

// Every start that needs a backup keeps the earlier ones, newest first.
TEST_F(SettingsFileTest, DamagedStartsKeepTheLastFiveBackups) {
    std::vector<std::string> Originals;
    for (int Start = 0; Start < 7; ++Start) {
        Originals.push_back("[Positions]\r\nstart " + std::to_string(Start));
        Load(Originals.back());
        Save();
    }
    const std::string Names[] = {".bak", ".bak.1", ".bak.2", ".bak.3", ".bak.4"};
    for (int Generation = 0; Generation < BACKUP_GENERATIONS; ++Generation) {
        EXPECT_EQ(Backup_Path(INI_PATH, Generation), INI_PATH + Names[Generation]);
        EXPECT_EQ(Files.Files[INI_PATH + Names[Generation]], Originals[6 - Generation]) << Names[Generation];
    }
    EXPECT_EQ(Files.Files.size(), 1u + BACKUP_GENERATIONS) << "the oldest drop out";
}

TEST_F(SettingsFileTest, BackupThatCannotMoveAsideStopsTheSave) {
    Files.Files[INI_PATH + ".bak"] = "first backup";
    Load("[Positions]\r\n");
    Files.FailMoves = true;
    EXPECT_FALSE(File.Save_Settings(Frm, List, S));
    EXPECT_EQ(Files.Files[INI_PATH], "[Positions]\r\n");
    EXPECT_EQ(Files.Files[INI_PATH + ".bak"], "first backup");
}

TEST_F(SettingsFileTest, SaveWhileNotNormalKeepsLastNormalGeometry) {
    Load(File_1_00_50(Header{}, Fonts{}, Sample_List()));
    for (WindowState State : {WindowState::Maximized, WindowState::Minimized}) {
        Frm.state = State;
        Frm.left = -32000, Frm.top = -32000, Frm.width = 100, Frm.height = 100;
        EXPECT_EQ(Save().substr(7, 8), Bytes().I16(1200).I16(900).I16(4800).I16(3300).Data);
    }
    Frm.state = WindowState::Normal;
    Frm.left = 15, Frm.top = 30, Frm.width = 4500, Frm.height = 6000;
    Save();
    Frm.state = WindowState::Maximized;
    EXPECT_EQ(Save().substr(7, 8), Bytes().I16(15).I16(30).I16(4500).I16(6000).Data);
}

TEST_F(SettingsFileTest, OutOfRangeGeometryIsClampedOnSave) {
    Load_Into(Frm, List, S);
    Frm.left = -40000, Frm.top = 40000, Frm.width = 70000, Frm.height = -70000;
    EXPECT_EQ(Save().substr(7, 8), Bytes().I16(-32768).I16(32767).I16(32767).I16(-32768).Data);
}

TEST_F(SettingsFileTest, OnTopAndSettingsChangesReachTheFile) {
    Load(File_1_00_50(Header{}, Fonts{}, Sample_List()));
    Frm.topChecked = false;
    S.AddMode = POS_TOP;
    S.IgnoreCase = 1;
    S.DescFont.Name = "Tahoma";
    int16_t N = 0;
    List.Insert_Node(Slot("new"), POS_TOP, N);
    S.CurSlot = N;
    Save();

    FormWindow Other{Log};
    SlotList Again;
    Settings S2;
    Load_Into(Other, Again, S2);
    EXPECT_FALSE(Other.topChecked);
    EXPECT_EQ(S2, S);
    EXPECT_EQ(Again.Nodes, List.Nodes);
    EXPECT_EQ(File.Record.Reserved, 77);
}

class StringLengths : public SettingsFileTest, public ::testing::WithParamInterface<size_t> {};

TEST_P(StringLengths, RoundTripWithAnUnsignedLength) {
    Load_Into(Frm, List, S);
    std::string Text(GetParam(), 'x');
    for (size_t I = 0; I < Text.size(); I += 7) Text[I] = static_cast<char>(0x80 + I % 128);
    int16_t N = 0;
    List.Insert_Node(Slot(Text, Text), POS_TOP, N);
    S.TextFont.Name = Text;
    const std::string Saved = Save();
    EXPECT_EQ(Saved.substr(35, 2), Bytes().I16(static_cast<int>(Text.size())).Data);

    SlotList Again;
    Load_Into(Frm, Again, S);
    EXPECT_TRUE(File.Report.Repairs.empty());
    EXPECT_EQ(Again.Nodes[0].Slot.Text, Text);
    EXPECT_EQ(Again.Nodes[0].Slot.Description, Text);
    EXPECT_EQ(S.TextFont.Name, Text);
}

INSTANTIATE_TEST_SUITE_P(Table, StringLengths, ::testing::Values(0, 1, 32767, 32768, 40000, 65535));

TEST_F(SettingsFileTest, OverlongStringsAreCutSoTheFileReadsBack) {
    Load_Into(Frm, List, S);
    std::string Text(70000, 'a');
    Text[65534] = 'z';
    int16_t N = 0;
    List.Insert_Node(Slot(Text, "after"), POS_TOP, N);
    Save();
    EXPECT_EQ(List.Nodes[0].Slot.Text.size(), 70000u);  // the slot in memory stays whole

    SlotList Again;
    Load_Into(Frm, Again, S);
    EXPECT_TRUE(File.Report.Repairs.empty());
    EXPECT_EQ(Again.Nodes[0].Slot.Text, Text.substr(0, 65535));
    EXPECT_EQ(Again.Nodes[0].Slot.Description, "after");
}

TEST_F(SettingsFileTest, FailedSaveLeavesTheOldFileAndSaysSo) {
    const std::string Original = File_1_00_50(Header{}, Fonts{}, Sample_List());
    Load(Original);
    Files.Unwritable.insert(INI_PATH);
    S.AddMode = POS_TOP;
    EXPECT_FALSE(File.Save_Settings(Frm, List, S));
    EXPECT_EQ(Files.Files[INI_PATH], Original);
    EXPECT_EQ(Files.Files.size(), 1u);
    Files.Unwritable.clear();
    EXPECT_TRUE(File.Save_Settings(Frm, List, S));
}

TEST_F(SettingsFileTest, RepairedFileIsBackedUpOnceBeforeTheFirstSave) {
    SlotList Damaged = Sample_List();
    Damaged.LastPos = 9;
    const std::string Original = File_1_00_50(Header{}, Fonts{}, Damaged);
    Load(Original);
    EXPECT_TRUE(File.Report.BackupPending);
    EXPECT_FALSE(Files.Has(INI_PATH + ".bak"));  // loading alone changes nothing on disk

    Save();
    EXPECT_EQ(Files.Files[INI_PATH + ".bak"], Original);
    EXPECT_FALSE(File.Report.BackupPending);
    int16_t N = 0;
    List.Insert_Node(Slot("more"), POS_TOP, N);
    Save();
    EXPECT_EQ(Files.Files[INI_PATH + ".bak"], Original);
    EXPECT_EQ(Files.Copies, 1);
}

TEST_F(SettingsFileTest, FailedBackupStopsTheSave) {
    SlotList Damaged = Sample_List();
    Damaged.HeadNode = 80;
    const std::string Original = File_1_00_50(Header{}, Fonts{}, Damaged);
    Load(Original);
    Files.FailCopies = true;
    EXPECT_FALSE(File.Save_Settings(Frm, List, S));
    EXPECT_EQ(Files.Files[INI_PATH], Original);
    EXPECT_TRUE(File.Report.BackupPending);
}

TEST_F(SettingsFileTest, BackupOfAFileThatIsGoneIsNotNeeded) {
    Load("[Positions]\r\n");
    Files.Files.erase(INI_PATH);
    EXPECT_TRUE(File.Save_Settings(Frm, List, S));
    EXPECT_TRUE(Files.Has(INI_PATH));
    EXPECT_FALSE(Files.Has(INI_PATH + ".bak"));
}

TEST_F(SettingsFileTest, SoundFileIsNotBackedUp) {
    Load(File_1_00_50(Header{}, Fonts{}, Sample_List()));
    Save();
    EXPECT_EQ(Files.Copies, 0);
    EXPECT_FALSE(Files.Has(INI_PATH + ".bak"));
}

// Every cut of a valid file loads into a valid list and a current slot that is in it.
void Expect_Every_Truncation_Loads(const std::string& Whole, FileKind Kind) {
    for (size_t Length = 0; Length < Whole.size(); ++Length) {
        SCOPED_TRACE("length " + std::to_string(Length));
        MemoryFileStore Files;
        Files.Files["f"] = Whole.substr(0, Length);
        SettingsStore Store(Files);
        SlotList List;
        Settings S;
        Store.Load_From("f", {}, List, S);
        ASSERT_TRUE(Is_Valid_List(List));
        if (S.CurSlot != NIL_NODE) {
            const auto Nodes = Order(List);
            ASSERT_NE(std::find(Nodes.begin(), Nodes.end(), S.CurSlot), Nodes.end());
        }
        if (Length < 7) {
            ASSERT_EQ(Store.Report.Kind, FileKind::Unknown);
        } else {
            ASSERT_EQ(Store.Report.Kind, Kind);
            ASSERT_FALSE(Store.Report.Repairs.empty());
            ASSERT_EQ(Store.Report.Repairs[0], "truncated");
            ASSERT_TRUE(Store.Report.BackupPending);
        }
    }
}

TEST(Truncation, EveryCutOfEachVersionLoads) {
    SlotList Sample = Sample_List();
    Sample.Nodes[0].Slot.Text = std::string(300, 'q');
    Expect_Every_Truncation_Loads(File_1_00_50(Header{}, Fonts{}, Sample), FileKind::V1_00_50);
    Expect_Every_Truncation_Loads(File_1_00_40("1.00.40", Header{}, Sample), FileKind::V1_00_40);
    Expect_Every_Truncation_Loads(File_1_00_40("1.00.10", Header{}, Sample), FileKind::V1_00_10);
    Expect_Every_Truncation_Loads(File_1_00_00(Header{}, {{"a", 0, "b"}, {"c", -1, "d"}, {"e", 0, ""}}),
                                  FileKind::V1_00_00);
}

TEST(Truncation, KeepsWhatWasReadCompletely) {
    const SlotList Sample = Sample_List();
    const std::string Whole = File_1_00_50(Header{}, Fonts{}, Sample);
    const size_t NodeTable = 61 + 5 + 7;  // "Arial" and "Verdana"
    const size_t Node0 = 6 + 2 + 5 + 2 + 5;
    const size_t Node1 = 6 + 2 + 8 + 2 + 5;
    struct Cut {
        size_t Length;
        bool FontsRead;
        int NodesRead;
    };
    for (const Cut C : {Cut{36, false, 0}, Cut{NodeTable, true, 0}, Cut{NodeTable + Node0 + Node1 - 1, true, 1}}) {
        SCOPED_TRACE(C.Length);
        MemoryFileStore Files;
        Files.Files["f"] = Whole.substr(0, C.Length);
        SettingsStore Store(Files);
        SlotList List;
        Settings S;
        Store.Load_From("f", {}, List, S);
        EXPECT_EQ(Store.Record.WindowWidth, 4800);
        EXPECT_EQ(Store.Record.Reserved, 77);
        EXPECT_EQ(S.AddMode, POS_BOTTOM);
        EXPECT_EQ(S.TextFont.Name, C.FontsRead ? "Arial" : "Courier New");
        EXPECT_EQ(S.DescFont.Name, C.FontsRead ? "Verdana" : "Times New Roman");
        for (int I = 0; I < MAX_NODES; ++I)
            EXPECT_EQ(List.Nodes[I].Slot, I < C.NodesRead ? Sample.Nodes[I].Slot : SlotRecord{}) << I;
        // The header names node 4 as the top; its record was not read, so it is kept blank.
        EXPECT_EQ(Order(List), (std::vector<int16_t>{4}));
        EXPECT_EQ(S.CurSlot, NIL_NODE);  // node 2 was not recovered
    }
}

}  // namespace
}  // namespace slotpad
