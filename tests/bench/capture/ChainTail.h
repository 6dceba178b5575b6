#pragma once
// This process's window at the end of the clipboard viewer chain, behind the reader under
// test. A viewer passes each change on to the next one only once it has handled it, so a
// change reaching the tail tells that the reader is done with it.
//
// A round trip to the reader's window (SendMessage of WM_NULL after the write) does not
// tell that under Wine: every couple of seconds a process's OpenClipboard sends a message
// to the clipboard owner (winex11's clipboard update) and waits for the answer, and while
// it waits the reader's thread answers the round trip before it has read the clipboard.

#include <windows.h>

namespace slotpad::bench {

class ChainTail {
public:
    // Joins the chain; the reader must join after it, so that it is the one in front.
    ChainTail();
    ~ChainTail();
    ChainTail(const ChainTail&) = delete;
    ChainTail& operator=(const ChainTail&) = delete;

    HWND Window() const { return window_; }
    // WM_DRAWCLIPBOARD messages that reached the tail, the one at joining included.
    LONG Changes() const { return changes_; }
    // Lets this thread's messages through until Changes() reaches `changes`; false after `ms`.
    bool WaitFor(LONG changes, DWORD ms);
    // True once a viewer was found behind the tail: someone else is watching the clipboard.
    bool OthersBehind() const { return othersBehind_; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    HWND next_ = nullptr;
    LONG changes_ = 0;
    bool othersBehind_ = false;
};

}  // namespace slotpad::bench
