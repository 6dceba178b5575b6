// The real file access of this build, in a folder whose name needs more than ASCII.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "slotpad/store/SettingsFile.h"
#include "tests/store/PlatformFileStore.h"
#include "tests/store/SettingsFixtures.h"

namespace slotpad {
namespace {

using namespace fixture;
namespace fs = std::filesystem;

class FileStoreTest : public testing::Test {
protected:
    ScratchFolder Folder;
    PlatformFileStore Files;

    std::string Read(const std::string& Path) {
        std::string Bytes;
        EXPECT_EQ(Files.ReadAll(Path, Bytes), ReadStatus::Ok) << Path;
        return Bytes;
    }
    size_t Entries() const { return static_cast<size_t>(std::distance(fs::directory_iterator(Folder.Path), {})); }
};

TEST_F(FileStoreTest, MissingFileAndFolderAreMissing) {
    std::string Bytes = "stale";
    EXPECT_EQ(Files.ReadAll(Folder.File(u8"nothing.ini"), Bytes), ReadStatus::Missing);
    EXPECT_EQ(Bytes, "");
    EXPECT_EQ(Files.ReadAll(Folder.File(u8"no folder/nothing.ini"), Bytes), ReadStatus::Missing);
}

TEST_F(FileStoreTest, FolderIsNotReadable) {
    std::string Bytes;
    EXPECT_EQ(Files.ReadAll(Utf8(Folder.Path), Bytes), ReadStatus::Failed);
    EXPECT_EQ(Files.LastReadFailure(), ReadFailure::Folder);
}

#ifdef _WIN32
TEST_F(FileStoreTest, FileHeldWithoutSharingIsInUse) {
    const std::string Path = Folder.File(u8"SlotPad.ini");
    ASSERT_TRUE(Files.WriteAtomically(Path, "held"));
    const HANDLE Held = CreateFileW((Folder.Path / u8"SlotPad.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(Held, INVALID_HANDLE_VALUE);
    std::string Bytes;
    EXPECT_EQ(Files.ReadAll(Path, Bytes), ReadStatus::Failed);
    EXPECT_EQ(Files.LastReadFailure(), ReadFailure::InUse);
    CloseHandle(Held);
    EXPECT_EQ(Read(Path), "held");
}
#endif

TEST_F(FileStoreTest, WriteReplacesAtomicallyAndLeavesNoTemporaryFile) {
    const std::string Path = Folder.File(u8"Ünïcødé.ini");
    std::string Big(1 << 20, '\0');
    for (size_t I = 0; I < Big.size(); ++I) Big[I] = static_cast<char>(I * 7 % 256);
    ASSERT_TRUE(Files.WriteAtomically(Path, "first version"));
    ASSERT_TRUE(Files.WriteAtomically(Path, Big));
    EXPECT_EQ(Read(Path), Big);
    EXPECT_EQ(Entries(), 1u);
    ASSERT_TRUE(Files.WriteAtomically(Path, ""));
    EXPECT_EQ(Read(Path), "");
}

TEST_F(FileStoreTest, FailedWriteLeavesTheOldFile) {
    const std::string Path = Folder.File(u8"SlotPad.ini");
    ASSERT_TRUE(Files.WriteAtomically(Path, "old"));
    // A folder where the temporary file would go makes the write fail before the move.
    fs::create_directory(fs::path(Folder.Path) / "SlotPad.ini.tmp");
    EXPECT_FALSE(Files.WriteAtomically(Path, "new"));
    EXPECT_EQ(Read(Path), "old");
    EXPECT_FALSE(Files.WriteAtomically(Folder.File(u8"gone/SlotPad.ini"), "new"));
}

TEST_F(FileStoreTest, CopyReplacesTheTarget) {
    const std::string From = Folder.File(u8"a €.ini"), To = Folder.File(u8"a €.ini.bak");
    ASSERT_TRUE(Files.WriteAtomically(From, std::string("bytes\0\xFF", 7)));
    ASSERT_TRUE(Files.WriteAtomically(To, "older backup"));
    EXPECT_TRUE(Files.Copy(From, To));
    EXPECT_EQ(Read(To), std::string("bytes\0\xFF", 7));
    EXPECT_FALSE(Files.Copy(Folder.File(u8"missing"), To));
    EXPECT_EQ(Read(To), std::string("bytes\0\xFF", 7));
}

TEST_F(FileStoreTest, CopyGoesThroughATemporaryFile) {
    const std::string From = Folder.File(u8"SlotPad.ini"), To = Folder.File(u8"SlotPad.ini.bak");
    ASSERT_TRUE(Files.WriteAtomically(From, "new"));
    ASSERT_TRUE(Files.WriteAtomically(To, "older backup"));
    // Where the temporary file would go there is a folder: a copy straight over the
    // target would still succeed, one through a temporary file cannot.
    fs::create_directory(fs::path(Folder.Path) / "SlotPad.ini.bak.tmp");
    EXPECT_FALSE(Files.Copy(From, To));
    EXPECT_EQ(Read(To), "older backup");
    fs::remove(fs::path(Folder.Path) / "SlotPad.ini.bak.tmp");
    EXPECT_TRUE(Files.Copy(From, To));
    EXPECT_EQ(Read(To), "new");
    EXPECT_EQ(Entries(), 2u);
}

TEST_F(FileStoreTest, MoveRemoveAndWriteTime) {
    const std::string A = Folder.File(u8"a ü.ini"), B = Folder.File(u8"b ü.ini");
    EXPECT_EQ(Files.Move(A, B), MoveStatus::Missing);
    EXPECT_FALSE(Files.WriteTime(A));
    ASSERT_TRUE(Files.WriteAtomically(A, "a"));
    ASSERT_TRUE(Files.WriteAtomically(B, "b"));
    EXPECT_TRUE(Files.WriteTime(A));
    EXPECT_EQ(Files.Move(A, B), MoveStatus::Moved);
    EXPECT_EQ(Read(B), "a");
    EXPECT_EQ(Entries(), 1u);
    EXPECT_TRUE(Files.Remove(B));
    EXPECT_TRUE(Files.Remove(B)) << "a file that is gone is removed";
    EXPECT_EQ(Entries(), 0u);
}

TEST_F(FileStoreTest, SettingsFileLoadsBacksUpAndSaves) {
    const std::string Path = Folder.File(u8"SlotPad.ini");
    const std::string Damaged = File_1_00_50(Header{}, Fonts{}, Sample_List()).substr(0, 300);
    ASSERT_TRUE(Files.WriteAtomically(Path, Damaged));

    SettingsStore Store(Files);
    SlotList List;
    Settings S;
    Store.Load_From(Path, {}, List, S);
    EXPECT_EQ(Store.Report.Kind, FileKind::V1_00_50);
    EXPECT_TRUE(Store.Report.BackupPending);
    ASSERT_TRUE(Store.Save_To(Path, List, S));
    EXPECT_EQ(Read(Path + ".bak"), Damaged);

    SlotList Again;
    Store.Load_From(Path, {}, Again, S);
    EXPECT_TRUE(Store.Report.Repairs.empty());
    EXPECT_EQ(Again.Nodes, List.Nodes);
}

}  // namespace
}  // namespace slotpad
