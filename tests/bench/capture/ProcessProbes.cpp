#include "tests/bench/capture/ProcessProbes.h"

#include <psapi.h>
#include <shellapi.h>

#include "win32/Handles.h"

namespace slotpad::bench {

std::optional<MemoryFigures> MemoryOf(DWORD pid) {
    foundation::UniqueHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid));
    if (!process) return std::nullopt;
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    if (!GetProcessMemoryInfo(process.get(), &counters, sizeof(counters))) return std::nullopt;
    constexpr double kMB = 1024.0 * 1024.0;
    return MemoryFigures{counters.PeakWorkingSetSize / kMB, counters.PagefileUsage / kMB};
}

bool TrayIconPresent(HWND window, UINT id) {
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data.hWnd = window;
    data.uID = id;
    data.uFlags = 0;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

}  // namespace slotpad::bench
