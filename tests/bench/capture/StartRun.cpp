#include "tests/bench/capture/StartRun.h"

#include <chrono>

#include "tests/support/win32/Desktop.h"

namespace slotpad::bench {

StartRun TimeStart(const std::wstring& exe, const std::wstring& args, const std::wstring& folder,
                   const wchar_t* windowClass, std::optional<UINT> iconId) {
    StartRun run;
    const auto start = std::chrono::steady_clock::now();
    e2e::Process process(exe, args, folder);
    run.Idle = process.Started() && process.WaitIdle(20000);
    run.Ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (!run.Idle) return run;

    HWND window = e2e::FindWindowOf(process.Id(), windowClass, 5000);
    if (iconId) run.IconShown = window && TrayIconPresent(window, *iconId);
    run.Memory = MemoryOf(process.Id());
    if (window) {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(window, WM_CLOSE, 0, 0, SMTO_NORMAL, 10000, &ignored);
    }
    run.ExitCode = process.Wait(15000);
    return run;
}

}  // namespace slotpad::bench
