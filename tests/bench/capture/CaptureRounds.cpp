#include "tests/bench/capture/CaptureRounds.h"

#include <chrono>

#include "tests/support/win32/Desktop.h"

namespace slotpad::bench {

bool RoundTrip(HWND window) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored) != 0;
}

bool ClearClipboard() {
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (OpenClipboard(nullptr)) {
            const bool emptied = EmptyClipboard() != FALSE;
            CloseClipboard();
            return emptied;
        }
        Sleep(10);
    }
    return false;
}

bool WaitIdleLettingMessagesThrough(const e2e::Process& process, DWORD ms) {
    const DWORD start = GetTickCount();
    while (!process.WaitIdle(10)) {
        if (!process.Running() || GetTickCount() - start > ms) return false;
        e2e::PumpFor(0);
    }
    return true;
}

Round TimedRound(const std::vector<std::string>& texts, ChainTail* tail, const std::function<void(size_t)>& afterEach) {
    Round round;
    round.Completed = true;
    const LONG before = tail ? tail->Changes() : 0;
    const auto start = std::chrono::steady_clock::now();
    for (size_t i = 0; i < texts.size(); ++i) {
        e2e::CopyFromThisProcess(texts[i]);
        if (tail && !tail->WaitFor(before + static_cast<LONG>(i) + 1, 10000)) {
            round.Completed = false;
            break;
        }
        if (afterEach) afterEach(i);
    }
    round.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return round;
}

}  // namespace slotpad::bench
