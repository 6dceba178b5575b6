#pragma once
// What the benchmark's own peer programs and the driver share: the window classes that
// name them, and the block of shared memory in which the minimal viewer reports what it saw.

#include <windows.h>

namespace slotpad::bench {

inline constexpr wchar_t kViewerClass[] = L"CaptureBenchViewer";
inline constexpr wchar_t kTrivialClass[] = L"CaptureBenchTrivial";

// Written by the viewer while it handles WM_DRAWCLIPBOARD, read by the driver after its
// round trip to the viewer's window has returned.
struct ViewerReport {
    volatile LONG Changes = 0;        // WM_DRAWCLIPBOARD handled, counting the one sent at joining
    volatile LONG LastLength = -1;    // bytes of CF_TEXT read at the last change; -1: none could be read
    volatile LONG64 NextViewer = 0;   // the window it passes changes on to (the driver's chain tail)
    char LastTail[24] = {};           // the last bytes of that text: the texts end in their serial
};

}  // namespace slotpad::bench
