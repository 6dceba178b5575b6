// Writes a starting corpus for the loader's fuzzer: one file of every version, the old
// text file, and a few damaged lists, all from the test fixtures.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/store/SettingsFixtures.h"

int main(int argc, char** argv) {
    using namespace slotpad;
    using namespace slotpad::fixture;
    if (argc != 2) {
        std::fprintf(stderr, "usage: settings_seed_writer FOLDER\n");
        return 2;
    }
    const SlotList Sample = Sample_List();
    SlotList Broken = Sample;
    Broken.Nodes[2].PrevNode = 0;
    Broken.Nodes[0].NextNode = 4;
    SlotList Counts = Sample;
    Counts.LastPos = 12;

    const std::vector<std::pair<const char*, std::string>> Seeds = {
        {"empty-1.00.50", File_1_00_50(Header{}, Fonts{"", 10, 0, 0, 0, 0, "", 14, 0, 0, 0}, SlotList{})},
        {"sample-1.00.50", File_1_00_50(Header{}, Fonts{}, Sample)},
        {"full-1.00.50", File_1_00_50(Header{}, Fonts{}, Full_List(3))},
        {"sample-1.00.40", File_1_00_40("1.00.40", Header{}, Sample)},
        {"sample-1.00.10", File_1_00_40("1.00.10", Header{}, Sample)},
        {"sample-1.00.00", File_1_00_00(Header{}, {{"one", 0, "d"}, {"", -1, ""}, {"", 0, "x"}, {"two", 1, ""}})},
        {"positions", "[Positions]\r\nLeft=10\r\n"},
        {"broken-links-1.00.50", File_1_00_50(Header{}, Fonts{}, Broken)},
        {"broken-counts-1.00.50", File_1_00_50(Header{}, Fonts{}, Counts)},
    };
    std::filesystem::create_directories(argv[1]);
    for (const auto& [Name, Bytes] : Seeds) {
        std::ofstream Out(std::filesystem::path(argv[1]) / Name, std::ios::binary);
        Out.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
        if (!Out) {
            std::fprintf(stderr, "settings_seed_writer: cannot write %s\n", Name);
            return 1;
        }
    }
    return 0;
}
