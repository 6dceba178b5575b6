#pragma once
// What the driver asks of a running program from outside: its memory counters, and
// whether its notification-area icon is there.

#include <windows.h>

#include <optional>

namespace slotpad::bench {

// Wine fills these from /proc/<pid>/status: PeakWorkingSetSize is VmHWM (the peak of
// resident memory, shared library pages included), PagefileUsage is RssAnon + VmSwap
// (anonymous memory now: heap, stacks, private copies; not a peak).
struct MemoryFigures {
    double PeakWorkingSetMB = 0;
    double PagefileMB = 0;
};
std::optional<MemoryFigures> MemoryOf(DWORD pid);

// True when the notification area holds icon `id` of `window`: modifying nothing about an
// icon succeeds only for an icon that exists.
bool TrayIconPresent(HWND window, UINT id);

}  // namespace slotpad::bench
