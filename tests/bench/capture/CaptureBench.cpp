// SlotPad's capture throughput, start-up time and memory under Wine, against a minimal
// clipboard viewer and a trivial program in the same run. Prints its figures; exits
// non-zero only when a check of what was captured fails (a missed target is reported).
//
//   capture_bench [--short-writes N] [--long-writes N] [--rounds R] [--starts S] [--diagnose]

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "slotpad/capture/Capture.h"
#include "tests/bench/capture/BenchTexts.h"
#include "tests/bench/capture/CaptureRounds.h"
#include "tests/bench/capture/CaptureModes.h"
#include "tests/bench/capture/SlotPadInstall.h"
#include "tests/bench/capture/StartRun.h"
#include "tests/bench/capture/ViewerReport.h"
#include "tests/bench/capture/ViewerSession.h"

namespace slotpad::bench {
namespace {

constexpr double kCaptureTarget = 0.8;  // SlotPad's rate against the minimal viewer's, at least
constexpr double kStartTarget = 2.0;    // SlotPad's start against a trivial program's, at most
constexpr double kMemoryTargetMB = 10;  // SlotPad's peak above a trivial program's, at most
constexpr UINT kSlotPadIconId = 1;      // the id SlotPad gives its one notification-area icon
constexpr int kBlankSlots = 5;
constexpr size_t kLongBytes = Capture::MaxTextBytes;  // the longest text SlotPad captures

struct Options {
    int shortWrites = 2000;
    int longWrites = 300;
    int rounds = 3;
    int starts = 9;
    bool diagnose = false;  // also SlotPad in variants that tell apart where its time goes
};

bool ParseOptions(int argc, wchar_t** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        if (std::wcscmp(argv[i], L"--diagnose") == 0) {
            options.diagnose = true;
            continue;
        }
        if (i + 1 >= argc) return false;
        const int value = _wtoi(argv[i + 1]);
        if (value <= 0) return false;
        if (std::wcscmp(argv[i], L"--short-writes") == 0) options.shortWrites = value;
        else if (std::wcscmp(argv[i], L"--long-writes") == 0) options.longWrites = value;
        else if (std::wcscmp(argv[i], L"--rounds") == 0) options.rounds = value;
        else if (std::wcscmp(argv[i], L"--starts") == 0) options.starts = value;
        else return false;
        ++i;
    }
    return true;
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

const char* Met(bool met) { return met ? "met" : "MISSED"; }

std::string WineVersion() {
    using Fn = const char*(CDECL*)();
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    auto fn = ntdll ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(ntdll, "wine_get_version"))) : nullptr;
    return fn ? std::string("Wine ") + fn() : std::string("not Wine");
}

// --- start-up -------------------------------------------------------------------------

struct StartFigures {
    std::string Name;
    std::vector<StartRun> Runs;
    double MedianMs() const {
        std::vector<double> ms;
        for (const StartRun& r : Runs) ms.push_back(r.Ms);
        return Median(ms);
    }
    bool AllIdle() const {
        return std::all_of(Runs.begin(), Runs.end(), [](const StartRun& r) { return r.Idle; });
    }
    int IconsShown() const {
        return static_cast<int>(std::count_if(Runs.begin(), Runs.end(), [](const StartRun& r) { return r.IconShown; }));
    }
    bool AllExitedCleanly() const {
        return std::all_of(Runs.begin(), Runs.end(), [](const StartRun& r) { return r.ExitCode == std::optional<DWORD>(0u); });
    }
    std::optional<MemoryFigures> MedianMemory() const {
        std::vector<double> peak, anon;
        for (const StartRun& r : Runs) {
            if (!r.Memory) return std::nullopt;
            peak.push_back(r.Memory->PeakWorkingSetMB);
            anon.push_back(r.Memory->PagefileMB);
        }
        if (peak.empty()) return std::nullopt;
        return MemoryFigures{Median(peak), Median(anon)};
    }
};

// --- printing -------------------------------------------------------------------------

void PrintCaptureRow(const std::string& texts, const ModeResult& r, const ModeResult* viewer) {
    std::printf("%-8s %-42s %6d %8.3f %9.0f %13s", texts.c_str(), r.Mode.c_str(), r.WritesPerRound,
                r.MedianSeconds(), r.MedianRate(),
                (std::to_string(static_cast<int>(r.MinRate() + 0.5)) + "-" +
                 std::to_string(static_cast<int>(r.MaxRate() + 0.5)))
                    .c_str());
    if (viewer && viewer->Ran() && viewer->MedianRate() > 0 && r.Ran())
        std::printf(" %9.2f", r.MedianRate() / viewer->MedianRate());
    else
        std::printf(" %9s", "-");
    std::printf("  %s\n", !r.Verified ? "-" : *r.Verified ? "yes" : "NO");
}

void PrintDetails(const std::string& texts, const ModeResult& r) {
    if (!r.Detail.empty()) std::printf("  %s, %s: %s\n", texts.c_str(), r.Mode.c_str(), r.Detail.c_str());
}

int Run(const Options& options) {
    std::printf("SlotPad capture benchmark (%s)\n", WineVersion().c_str());
    if (HWND head = GetClipboardViewer()) {
        std::printf("FAILED: another program (window %p) is in the clipboard viewer chain; the figures would "
                    "include it.\n", static_cast<void*>(head));
        return 2;
    }
    SlotPadInstall install;
    if (!install.Error().empty()) {
        std::printf("FAILED: %s\n", install.Error().c_str());
        return 2;
    }
    bool verified = true;
    Serials serials;

    // Start-up: CreateProcess until the program waits in its message loop. SlotPad adds its
    // icon before it gets there; each start checks that the icon is in place at that moment.
    SlotsInOrder smallFile{std::vector<std::string>(kBlankSlots), -1};
    SlotsInOrder fullFile;
    for (int i = 0; i < MAX_NODES; ++i) fullFile.Texts.push_back(LongText(serials.Next(), 'S', kLongBytes));
    fullFile.Current = MAX_NODES - 1;

    StartFigures trivial{"trivial Wine program (one window)", {}};
    StartFigures slotPadSmall{"SlotPad, " + std::to_string(kBlankSlots) + " blank slots", {}};
    StartFigures slotPadFull{"SlotPad, 71 slots of 64 KiB", {}};
    for (int i = 0; i <= options.starts; ++i) {
        // The first round warms the caches and is not counted.
        // An empty clipboard: SlotPad would capture a text it finds there when it starts.
        ClearClipboard();
        // The icon probe runs on the trivial program too, which has no icon: it must say so.
        StartRun t = TimeStart(PeerExe(), L"trivial", L"", kTrivialClass, kSlotPadIconId);
        install.Seed(smallFile, 1);
        StartRun s = TimeStart(install.Exe(), L"", install.Folder(), L"SlotPadMain", kSlotPadIconId);
        install.Seed(fullFile, 1);
        StartRun f = TimeStart(install.Exe(), L"", install.Folder(), L"SlotPadMain", kSlotPadIconId);
        if (i == 0) continue;
        trivial.Runs.push_back(t);
        slotPadSmall.Runs.push_back(s);
        slotPadFull.Runs.push_back(f);
    }

    // Capture: short texts with a small file, then 64 KiB texts with a full file, Ignore
    // Case on and the panel shown.
    const TextKind shortTexts{"short", ShortText, options.shortWrites, 100};
    const TextKind longTexts{"64 KiB", [](int serial) { return LongText(serial, 'T', kLongBytes); }, options.longWrites,
                             20};
    const std::string blanks = "SlotPad, " + std::to_string(kBlankSlots) + " blank slots";
    const SlotPadSetup smallHidden{blanks + ", hidden", smallFile, 1, false};
    const SlotPadSetup fullShown{"SlotPad, 71 x 64 KiB, Ignore Case, shown", fullFile, 1, true};
    struct Table {
        const TextKind* Kind;
        ModeResult None, Viewer, SlotPad;
        std::vector<ModeResult> Variants;
    };
    std::vector<Table> tables;
    for (const TextKind* kind : {&shortTexts, &longTexts}) {
        const bool full = kind == &longTexts;
        Table table{kind, RunWithoutViewer(*kind, options.rounds, serials),
                    RunMinimalViewer(*kind, options.rounds, serials),
                    RunSlotPad(install, full ? fullShown : smallHidden, *kind, options.rounds, serials), {}};
        if (options.diagnose) {
            // Each variant takes one thing away from the target run: the shown panel, the
            // case-insensitive compare, the 71 long slots; with short texts, what 71 slots
            // cost over 5 (the warm-up has replaced the long texts by short ones).
            std::vector<SlotPadSetup> variants;
            if (full) {
                variants.push_back({"SlotPad, 71 x 64 KiB, Ignore Case, hidden", fullFile, 1, false});
                variants.push_back({"SlotPad, 71 x 64 KiB, exact case, shown", fullFile, 0, true});
                variants.push_back({blanks + ", Ignore Case, hidden", smallFile, 1, false});
            } else {
                variants.push_back({"SlotPad, 71 slots, Ignore Case, shown", fullFile, 1, true});
                variants.push_back({"SlotPad, 71 slots, Ignore Case, hidden", fullFile, 1, false});
            }
            for (const SlotPadSetup& v : variants)
                table.Variants.push_back(RunSlotPad(install, v, *kind, options.rounds, serials));
        }
        tables.push_back(std::move(table));
    }

    // --- the figures ---
    std::printf("\nCapture throughput: after each write the driver waits until the change has come through the "
                "reader\nto its own window behind it in the viewer chain (no wait without a reader); %d timed "
                "rounds after\na warm-up: median round shown, range = slowest to fastest round\n",
                options.rounds);
    std::printf("%-8s %-42s %6s %8s %9s %13s %9s  %s\n", "texts", "mode", "N", "seconds", "writes/s", "range",
                "vs viewer", "verified");
    for (const Table& t : tables) {
        PrintCaptureRow(t.Kind->Name, t.None, nullptr);
        PrintCaptureRow(t.Kind->Name, t.Viewer, &t.Viewer);
        PrintCaptureRow(t.Kind->Name, t.SlotPad, &t.Viewer);
    }
    if (options.diagnose) {
        std::printf("Variants of SlotPad's run, for where its time goes:\n");
        for (const Table& t : tables)
            for (const ModeResult& v : t.Variants) PrintCaptureRow(t.Kind->Name, v, &t.Viewer);
    }
    for (const Table& t : tables) {
        std::vector<const ModeResult*> all{&t.None, &t.Viewer, &t.SlotPad};
        for (const ModeResult& v : t.Variants) all.push_back(&v);
        for (const ModeResult* r : all) {
            PrintDetails(t.Kind->Name, *r);
            if (r->Verified == std::optional<bool>(false)) verified = false;
        }
    }
    for (const Table& t : tables) {
        if (!t.SlotPad.Ran() || !t.Viewer.Ran()) continue;
        const double ratio = t.SlotPad.MedianRate() / t.Viewer.MedianRate();
        std::printf("  target, %s texts: SlotPad at least %.1f of the minimal viewer's rate: %.2f, %s\n",
                    t.Kind->Name.c_str(), kCaptureTarget, ratio, Met(ratio >= kCaptureTarget));
    }

    std::printf("\nStart-up: CreateProcess to WaitForInputIdle, median of %d starts (after one not counted)\n",
                options.starts);
    std::printf("%-36s %9s  %s\n", "program", "ms", "checks");
    for (const StartFigures* f : {&trivial, &slotPadSmall, &slotPadFull}) {
        std::printf("%-36s %9.1f ", f->Name.c_str(), f->MedianMs());
        std::printf(" icon there when idle %d/%zu,", f->IconsShown(), f->Runs.size());
        std::printf(" %s\n", f->AllIdle() && f->AllExitedCleanly() ? "idle and exit 0 every time"
                                                                      : "NOT idle or exit code not 0 every time");
        if (!f->AllIdle() || !f->AllExitedCleanly()) verified = false;
    }
    const double startRatio = slotPadSmall.MedianMs() / trivial.MedianMs();
    const double fullStartRatio = slotPadFull.MedianMs() / trivial.MedianMs();
    std::printf("  ratio SlotPad / trivial: %.2f (%d blank slots), %.2f (71 x 64 KiB); target at most %.0f: %s\n",
                startRatio, kBlankSlots, fullStartRatio, kStartTarget, Met(startRatio <= kStartTarget));
    if (trivial.IconsShown() != 0) {
        std::printf("  NOTE: the icon probe finds an icon for the trivial program, which has none: it proves nothing\n");
    } else if (slotPadSmall.IconsShown() != static_cast<int>(slotPadSmall.Runs.size()) ||
               slotPadFull.IconsShown() != static_cast<int>(slotPadFull.Runs.size())) {
        std::printf("  NOTE: SlotPad was idle before its icon was in the notification area in some starts\n");
    }

    std::printf("\nMemory (MB): PeakWorkingSetSize = Linux VmHWM, peak resident incl. shared pages; "
                "PagefileUsage = RssAnon, anonymous resident now\n");
    std::printf("%-52s %10s %10s\n", "program", "peak WS", "anon now");
    const auto trivialMemory = trivial.MedianMemory();
    const auto small = slotPadSmall.MedianMemory();
    const auto full = slotPadFull.MedianMemory();
    const auto& afterCaptures = tables.back().SlotPad.Memory;
    auto row = [](const std::string& name, const std::optional<MemoryFigures>& m) {
        if (m)
            std::printf("%-52s %10.1f %10.1f\n", name.c_str(), m->PeakWorkingSetMB, m->PagefileMB);
        else
            std::printf("%-52s %10s %10s\n", name.c_str(), "?", "?");
    };
    row("trivial Wine program, idle", trivialMemory);
    row("SlotPad, " + std::to_string(kBlankSlots) + " blank slots, idle after start-up", small);
    row("SlotPad, 71 x 64 KiB, idle after start-up", full);
    row("SlotPad, 71 x 64 KiB, after " +
            std::to_string(longTexts.WarmUpWrites + options.rounds * options.longWrites) + " captures and saves",
        afterCaptures);
    if (trivialMemory && afterCaptures) {
        const double difference = afterCaptures->PeakWorkingSetMB - trivialMemory->PeakWorkingSetMB;
        std::printf("  difference in peak WS, SlotPad full after captures - trivial: %.1f MB; target at most %.0f "
                    "MB: %s\n",
                    difference, kMemoryTargetMB, Met(difference <= kMemoryTargetMB));
        if (small && full) {
            std::printf("  sanity: the 71 x 64 KiB of slot text (%.1f MB) shows as %.1f MB more anonymous memory "
                        "than with blank slots\n",
                        MAX_NODES * static_cast<double>(kLongBytes) / (1024 * 1024),
                        full->PagefileMB - small->PagefileMB);
        }
    }

    std::printf("\n%s\n", verified ? "All checks of what was captured passed."
                                   : "FAILED: a check of what was captured did not pass (see above).");
    return verified ? 0 : 1;
}

}  // namespace
}  // namespace slotpad::bench

int wmain(int argc, wchar_t** argv) {
    slotpad::bench::Options options;
    if (!slotpad::bench::ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: capture_bench [--short-writes N] [--long-writes N] [--rounds R] [--starts S] [--diagnose]\n");
        return 2;
    }
    const int code = slotpad::bench::Run(options);
    std::fflush(stdout);
    return code;
}
