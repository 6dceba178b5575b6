#include "tests/bench/capture/CaptureRounds.h"

#include <chrono>

#include "tests/support/win32/Desktop.h"

namespace slotpad::bench {

bool RoundTrip(HWND window) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored) != 0;
}

Round TimedRound(const std::vector<std::string>& texts, HWND viewer, const std::function<void(size_t)>& afterEach) {
    Round round;
    round.Completed = true;
    const auto start = std::chrono::steady_clock::now();
    for (size_t i = 0; i < texts.size(); ++i) {
        e2e::CopyFromThisProcess(texts[i]);
        if (viewer && !RoundTrip(viewer)) {
            round.Completed = false;
            break;
        }
        if (afterEach) afterEach(i);
    }
    round.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return round;
}

}  // namespace slotpad::bench
