#pragma once
// The timed capture loop. Every text is copied to the clipboard from this process; with a
// viewer, each write then waits for a round trip to the viewer's window. The write queues
// WM_DRAWCLIPBOARD for the viewer before CloseClipboard returns, and the viewer's thread
// handles sent messages in order, so the round trip returns only after the viewer has
// handled the change (the minimal viewer's own count of changes confirms it write by write).

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace slotpad::bench {

// False when `window` did not answer within ten seconds.
bool RoundTrip(HWND window);

struct Round {
    double Seconds = 0;
    bool Completed = false;  // every round trip was answered
};

// `afterEach(i)` runs after write i (and its round trip), inside the timing: keep it cheap.
Round TimedRound(const std::vector<std::string>& texts, HWND viewer,
                 const std::function<void(size_t)>& afterEach = {});

}  // namespace slotpad::bench
