#pragma once
// The floor any capturing program pays: a bare window in the clipboard viewer chain that
// reads CF_TEXT on every change and does nothing else (no COM, no slots, no painting).

namespace slotpad::bench {

// Joins the chain, reports into the shared block named `reportName` and runs until its
// window is closed. Returns the process exit code.
int RunMinimalViewer(const wchar_t* reportName);

}  // namespace slotpad::bench
