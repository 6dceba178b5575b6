#pragma once
// One start of a program, timed from CreateProcess until it waits for input in its message
// loop (WaitForInputIdle), then closed from outside with WM_CLOSE.

#include <windows.h>

#include <optional>
#include <string>

#include "tests/bench/capture/ProcessProbes.h"

namespace slotpad::bench {

struct StartRun {
    double Ms = 0;
    bool Idle = false;                    // it reached its message loop within 20 s
    bool IconShown = false;               // its notification-area icon was there at that moment
    std::optional<MemoryFigures> Memory;  // taken once it was idle
    std::optional<DWORD> ExitCode;        // after WM_CLOSE; nullopt if it did not end
};

// `iconId`: the program's notification-area icon to look for once it is idle.
StartRun TimeStart(const std::wstring& exe, const std::wstring& args, const std::wstring& folder,
                   const wchar_t* windowClass, std::optional<UINT> iconId);

}  // namespace slotpad::bench
