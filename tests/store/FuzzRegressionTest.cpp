// Every input the fuzzer ever crashed the loader with must now load into a valid list.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "slotpad/store/SettingsFile.h"
#include "tests/store/ListChecks.h"
#include "tests/support/MemoryFileStore.h"

namespace slotpad {
namespace {

TEST(FuzzRegressions, EveryKeptInputLoadsIntoAValidList) {
    const std::filesystem::path Folder = SLOTPAD_FUZZ_REGRESSIONS;
    ASSERT_TRUE(std::filesystem::is_directory(Folder)) << Folder;
    int Loaded = 0;
    for (const auto& Entry : std::filesystem::directory_iterator(Folder)) {
        if (!Entry.is_regular_file() || Entry.path().filename() == "README.md") continue;
        SCOPED_TRACE(Entry.path().filename().string());
        std::ifstream In(Entry.path(), std::ios::binary);
        MemoryFileStore Files;
        Files.Files["f"].assign(std::istreambuf_iterator<char>(In), {});
        SettingsStore Store(Files);
        SlotList List;
        Settings S;
        Store.Load_From("f", {}, List, S);
        EXPECT_TRUE(fixture::Is_Valid_List(List));
        ASSERT_TRUE(Store.Save_To("g", List, S));
        ++Loaded;
    }
    RecordProperty("inputs", Loaded);
}

}  // namespace
}  // namespace slotpad
