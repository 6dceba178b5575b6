// Load and save of the largest file the program writes: 71 slots of 65,535-byte text
// (the most a string field holds), through the real file access and in memory.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "slotpad/platform/posix/PosixFileStore.h"
#include "slotpad/store/SettingsFile.h"
#include "tests/support/MemoryFileStore.h"

namespace slotpad {
namespace {

constexpr size_t SLOT_TEXT = 65535;

SlotList Full_List() {
    SlotList L;
    for (int I = 0; I < MAX_NODES; ++I) {
        int16_t N = 0;
        L.Insert_Node({VB_FALSE, std::string(SLOT_TEXT, static_cast<char>('A' + I % 26)), "slot " + std::to_string(I)},
                      POS_BOTTOM, N);
    }
    return L;
}

// The file exactly as the program saves the full list.
std::string Full_File() {
    MemoryFileStore Files;
    SettingsStore Store(Files);
    Store.Save_To("f", Full_List(), Settings{});
    return Files.Files["f"];
}

// A folder for the benchmark's file, next to the build (SLOTPAD_BENCH_DIR to choose).
std::string Bench_Path() {
    const char* Dir = std::getenv("SLOTPAD_BENCH_DIR");
    const std::filesystem::path Folder = Dir ? Dir : std::filesystem::temp_directory_path();
    return (Folder / "SlotPad-bench.ini").string();
}

void Set_File_Counters(benchmark::State& State, size_t Bytes) {
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Bytes));
    State.counters["file_MiB"] = static_cast<double>(Bytes) / (1 << 20);
}

void BM_LoadFullFile(benchmark::State& State) {
    PosixFileStore Files;
    const std::string Path = Bench_Path();
    const std::string Bytes = Full_File();
    if (!Files.WriteAtomically(Path, Bytes)) State.SkipWithError("cannot write the file");
    SettingsStore Store(Files);
    SlotList List;
    Settings S;
    for (auto _ : State) {
        Store.Load_From(Path, {}, List, S);
        benchmark::DoNotOptimize(List.Nodes[70].Slot.Text.data());
    }
    if (List.LastPos != 70 || !Store.Report.Repairs.empty()) State.SkipWithError("the file did not load whole");
    Set_File_Counters(State, Bytes.size());
    std::filesystem::remove(Path);
}

void BM_SaveFullFile(benchmark::State& State) {
    PosixFileStore Files;
    const std::string Path = Bench_Path();
    const SlotList List = Full_List();
    SettingsStore Store(Files);
    const Settings S;
    size_t Size = 0;
    for (auto _ : State) {
        if (!Store.Save_To(Path, List, S)) State.SkipWithError("save failed");
    }
    Size = static_cast<size_t>(std::filesystem::file_size(Path));
    Set_File_Counters(State, Size);
    std::filesystem::remove(Path);
}

// Decoding and encoding alone, without the disk.
void BM_LoadFullFileInMemory(benchmark::State& State) {
    MemoryFileStore Files;
    Files.Files["f"] = Full_File();
    SettingsStore Store(Files);
    SlotList List;
    Settings S;
    for (auto _ : State) {
        Store.Load_From("f", {}, List, S);
        benchmark::DoNotOptimize(List.Nodes[70].Slot.Text.data());
    }
    if (List.LastPos != 70 || !Store.Report.Repairs.empty()) State.SkipWithError("the file did not load whole");
    Set_File_Counters(State, Files.Files["f"].size());
}

void BM_SaveFullFileInMemory(benchmark::State& State) {
    MemoryFileStore Files;
    const SlotList List = Full_List();
    SettingsStore Store(Files);
    const Settings S;
    for (auto _ : State) {
        Store.Save_To("f", List, S);
        benchmark::DoNotOptimize(Files.Files["f"].data());
    }
    Set_File_Counters(State, Files.Files["f"].size());
}

BENCHMARK(BM_LoadFullFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFullFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFullFileInMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFullFileInMemory)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace slotpad

BENCHMARK_MAIN();
