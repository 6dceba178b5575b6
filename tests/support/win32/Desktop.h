#pragma once
// What the end-to-end tests do on the Wine desktop: start programs and wait for them,
// copy text from this process and from the X display, read the clipboard back.

#include <windows.h>

#include <optional>
#include <string>

namespace slotpad::e2e {

// The folder this test program runs from (build/windows/bin).
std::wstring ProgramFolder();

// A program started with CreateProcess; the process handle is closed with it.
class Process {
public:
    Process(const std::wstring& exe, const std::wstring& args, const std::wstring& workingDir = L"");
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool Started() const { return info_.hProcess != nullptr; }
    DWORD Id() const { return info_.dwProcessId; }
    bool Running() const;
    // The exit code once it has ended within `ms`; nullopt if it still runs.
    std::optional<DWORD> Wait(DWORD ms) const;
    void Kill();
    // Until the program waits for input (its start-up is done).
    bool WaitIdle(DWORD ms) const { return info_.hProcess && WaitForInputIdle(info_.hProcess, ms) == 0; }

private:
    PROCESS_INFORMATION info_{};
};

// Runs a program to its end and returns its exit code and what it wrote to stdout.
struct RunResult {
    DWORD exitCode = 0xFFFFFFFF;
    std::string out;
};
RunResult Run(const std::wstring& exe, const std::wstring& args, DWORD timeoutMs = 30000);

// The top-level window of class `className` that belongs to process `pid`, waiting up
// to `ms` for it to appear.
HWND FindWindowOf(DWORD pid, const wchar_t* className, DWORD ms);

// Lets this thread's own messages through while waiting.
void PumpFor(DWORD ms);

// Copies text as another Windows program would (this test process is one).
void CopyFromThisProcess(const std::string& text);
// Empties the clipboard (no format at all), here and on the X display.
void EmptyTheClipboard();
// Copies text the way password managers do: marked as not for clipboard monitors.
void CopyPrivately(const std::string& text);
// Copies text on the X display with xclip, as a Linux program would.
void CopyOnXDisplay(const std::string& text);
// Runs a shell command line on the Linux side (xdotool, xclip) and waits for it to end,
// at most `ms`. False if it could not be started or did not end in time.
bool RunOnXDisplay(const std::string& script, unsigned ms = 10000);
// The X display's clipboard, read with xclip; nullopt if it could not be read.
std::optional<std::string> ReadXClipboard();
// This process's view of the clipboard, CF_TEXT.
std::optional<std::string> ReadClipboard();

// UTF-8 <-> UTF-16 for paths.
std::wstring Wide(const std::string& utf8);
std::string Utf8(const std::wstring& wide);

}  // namespace slotpad::e2e
