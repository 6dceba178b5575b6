// Time of one full repaint of the slot panel (Refresh_Pics) with 71 slots of 64 KiB each,
// rendered into a memory surface: once handing DrawTextA only what can reach each row,
// once handing it every whole text, and whether both give the same pixels.
//   panel_repaint_bench [repaints]

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/main/win32/NastyTexts.h"
#include "tests/main/win32/PanelRig.h"

using namespace slotpad::testing;

namespace {

double MillisecondsPerRepaint(PanelRig& rig, int repaints) {
    LARGE_INTEGER frequency, start, stop;
    QueryPerformanceFrequency(&frequency);
    rig.panel.Refresh_Pics();  // warm up the font and glyph caches
    QueryPerformanceCounter(&start);
    for (int i = 0; i < repaints; ++i) rig.panel.Refresh_Pics();
    GdiFlush();
    QueryPerformanceCounter(&stop);
    return static_cast<double>(stop.QuadPart - start.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart) /
           repaints;
}

struct Scenario {
    const char* name;
    std::vector<std::string> texts;
};

}  // namespace

int main(int argc, char** argv) {
    const int repaints = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const size_t big = 64 * 1024;
    std::vector<Scenario> scenarios;
    scenarios.push_back({"one 64 KiB line per slot",
                         std::vector<std::string>(71, Repeat("The quick brown fox jumps over the lazy dog. ", big))});
    scenarios.push_back({"64 KiB of 80-character lines per slot",
                         std::vector<std::string>(71, Repeat(Repeat("Lorem ipsum dolor sit amet ", 78) + "\r\n", big))});
    std::vector<std::string> mixed;
    for (size_t i = 0; i < 71; ++i) mixed.push_back(Repeat(EveryByte(i * 7) + "\r\n", big));
    scenarios.push_back({"64 KiB of every byte in 253-byte lines", mixed});
    scenarios.push_back({"short texts (for comparison)", std::vector<std::string>(71, "a short clipboard text")});

    std::printf("Refresh_Pics, 71 slots, client width 232, %d repaints each\n", repaints);
    bool allSame = true;
    for (Scenario& scenario : scenarios) {
        PanelRig rig(232, scenario.texts);
        rig.MakeCurrent(10);
        rig.Start();
        const double cut = MillisecondsPerRepaint(rig, repaints);
        const std::vector<COLORREF> cutPixels = rig.surface.Pixels();
        rig.panel.SetDrawWholeTexts(true);
        const double whole = MillisecondsPerRepaint(rig, std::max(1, repaints / 10));
        const bool same = rig.surface.Pixels() == cutPixels;
        allSame = allSame && same;
        std::printf("  %-42s cut to the row: %7.3f ms   whole texts: %7.3f ms   pixels identical: %s\n",
                    scenario.name, cut, whole, same ? "yes" : "NO");
    }
    return allSame ? 0 : 1;
}
