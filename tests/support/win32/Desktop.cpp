#include "tests/support/win32/Desktop.h"

#include "slotpad/platform/win32/Utf.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace slotpad::e2e {

namespace {

// A hidden window to own what this process puts on the clipboard.
HWND ClipboardOwner() {
    static HWND owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    return owner;
}

bool OpenClipboardPatiently(HWND owner) {
    for (int i = 0; i < 100; ++i) {
        if (OpenClipboard(owner)) return true;
        Sleep(10);
    }
    return false;
}

std::string QuoteForSh(const std::string& s) {
    std::string out = "'";
    for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// Starts /bin/sh -c on the Linux side. Wine starts Unix programs but gives no handle
// to wait on, so callers wait for the effect.
bool RunShell(const std::string& script) {
    std::wstring cmd = L"/bin/sh -c \"" + Wide(script) + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(L"Z:\\bin\\sh", cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    if (pi.hProcess) CloseHandle(pi.hProcess);
    if (pi.hThread) CloseHandle(pi.hThread);
    return true;
}

}  // namespace

std::wstring Wide(const std::string& utf8) { return win32::Widen(utf8); }
std::string Utf8(const std::wstring& wide) { return win32::Narrow(wide); }

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p(path, n);
    return p.substr(0, p.find_last_of(L"\\/"));
}

Process::Process(const std::wstring& exe, const std::wstring& args, const std::wstring& workingDir) {
    std::wstring cmd = L"\"" + exe + L"\" " + args;
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    if (!CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingDir.empty() ? nullptr : workingDir.c_str(), &si, &info_))
        info_ = {};
    if (info_.hThread) CloseHandle(info_.hThread);
    info_.hThread = nullptr;
}

Process::~Process() {
    if (Running()) Kill();
    if (info_.hProcess) CloseHandle(info_.hProcess);
}

bool Process::Running() const { return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

std::optional<DWORD> Process::Wait(DWORD ms) const {
    if (!info_.hProcess) return std::nullopt;
    const DWORD deadline = GetTickCount() + ms;
    while (WaitForSingleObject(info_.hProcess, 20) == WAIT_TIMEOUT) {
        if (static_cast<LONG>(GetTickCount() - deadline) > 0) return std::nullopt;
        PumpFor(0);
    }
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

void Process::Kill() {
    if (info_.hProcess) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
    }
}

RunResult Run(const std::wstring& exe, const std::wstring& args, DWORD timeoutMs) {
    RunResult result;
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return result;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd;
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi{};
    std::wstring cmd = L"\"" + exe + L"\" " + args;
    const BOOL started = CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    CloseHandle(writeEnd);
    if (started) {
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(readEnd, buffer, sizeof(buffer), &got, nullptr) && got > 0) result.out.append(buffer, got);
        WaitForSingleObject(pi.hProcess, timeoutMs);
        GetExitCodeProcess(pi.hProcess, &result.exitCode);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
    CloseHandle(readEnd);
    return result;
}

struct WindowSearch {
    DWORD pid;
    const wchar_t* className;
    HWND found;
};

static BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    wchar_t cls[64];
    if (pid == search->pid && GetClassNameW(hwnd, cls, 64) && wcscmp(cls, search->className) == 0) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindWindowOf(DWORD pid, const wchar_t* className, DWORD ms) {
    const DWORD deadline = GetTickCount() + ms;
    do {
        WindowSearch search{pid, className, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        PumpFor(50);
    } while (static_cast<LONG>(GetTickCount() - deadline) < 0);
    return nullptr;
}

void PumpFor(DWORD ms) {
    const DWORD deadline = GetTickCount() + ms;
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (ms) Sleep(10);
    } while (static_cast<LONG>(GetTickCount() - deadline) < 0);
}

namespace {

void PutOnClipboard(UINT format, const void* data, size_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size ? size : 1);
    if (!block) return;
    if (size) {
        memcpy(GlobalLock(block), data, size);
        GlobalUnlock(block);
    }
    if (!SetClipboardData(format, block)) GlobalFree(block);
}

void Copy(const std::string& text, bool privately) {
    if (!OpenClipboardPatiently(ClipboardOwner())) return;
    EmptyClipboard();
    PutOnClipboard(CF_TEXT, text.c_str(), text.size() + 1);
    if (privately) PutOnClipboard(RegisterClipboardFormatA("ExcludeClipboardContentFromMonitorProcessing"), "", 0);
    CloseClipboard();
}

}  // namespace

void CopyFromThisProcess(const std::string& text) { Copy(text, false); }
void CopyPrivately(const std::string& text) { Copy(text, true); }

void EmptyTheClipboard() {
    if (!OpenClipboardPatiently(ClipboardOwner())) return;
    EmptyClipboard();
    CloseClipboard();
}

void CopyOnXDisplay(const std::string& text) {
    RunShell("printf %s " + QuoteForSh(text) + " | xclip -selection clipboard");
}

namespace {

std::string ScratchPath(const char* what) {
    static int serial = 0;
    return "/tmp/slotpad-e2e-" + std::string(what) + "-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(++serial);
}

}  // namespace

bool RunOnXDisplay(const std::string& script, unsigned ms) {
    const std::string done = ScratchPath("done");
    if (!RunShell("(" + script + ") >/dev/null 2>&1; touch " + done)) return false;
    const std::wstring winDone = L"Z:" + Wide(done);
    const DWORD deadline = GetTickCount() + ms;
    while (GetFileAttributesW(winDone.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (static_cast<LONG>(GetTickCount() - deadline) > 0) return false;
        Sleep(10);
    }
    DeleteFileW(winDone.c_str());
    return true;
}

std::optional<std::string> ReadXClipboard() {
    const std::string unixPath = ScratchPath("xclip");
    if (!RunOnXDisplay("xclip -o -selection clipboard > " + unixPath)) return std::nullopt;
    std::ifstream in(std::filesystem::path(L"Z:" + Wide(unixPath)), std::ios::binary);
    if (!in) return std::nullopt;
    std::stringstream content;
    content << in.rdbuf();
    in.close();
    DeleteFileW((L"Z:" + Wide(unixPath)).c_str());
    return content.str();
}

std::optional<std::string> ReadClipboard() {
    if (!OpenClipboardPatiently(ClipboardOwner())) return std::nullopt;
    std::optional<std::string> text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* p = static_cast<const char*>(GlobalLock(data))) {
            text = p;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

}  // namespace slotpad::e2e
