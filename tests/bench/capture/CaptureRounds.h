#pragma once
// The timed capture loop. Every text is copied to the clipboard from this process; with a
// reader in the chain, each write then waits until the change has come through the reader
// to this process's chain tail, that is until the reader has handled it.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/bench/capture/ChainTail.h"
#include "tests/support/win32/Desktop.h"

namespace slotpad::bench {

// False when `window` did not answer within ten seconds. It tells that the window has
// handled what was sent to it before, not what it was notified of (see ChainTail.h).
bool RoundTrip(HWND window);

// Until the program waits for input, letting this thread's messages through meanwhile:
// a reader that joins the chain in front of the tail passes its first change on at once.
bool WaitIdleLettingMessagesThrough(const e2e::Process& process, DWORD ms);

// Empties the clipboard, so that a reader joining the chain next finds no text to take
// (a viewer is told of the clipboard's content when it joins, and SlotPad captures it).
bool ClearClipboard();

struct Round {
    double Seconds = 0;
    bool Completed = false;  // every change came through within ten seconds
};

// `tail` null: nobody reads, the writes alone are timed. `afterEach(i)` runs after write i
// has come through, inside the timing: keep it cheap.
Round TimedRound(const std::vector<std::string>& texts, ChainTail* tail,
                 const std::function<void(size_t)>& afterEach = {});

}  // namespace slotpad::bench
