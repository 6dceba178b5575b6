// Another clipboard program that behaves badly, for the tests of SlotPad among them:
//   e2e_bad_neighbour never-render MS   owns the clipboard with text it renders only on
//                                       request, then stops answering for MS
//   e2e_bad_neighbour hung-viewer MS    joins the viewer chain, then stops answering for MS
//   e2e_bad_neighbour swallow           joins the viewer chain and passes nothing on
//   e2e_bad_neighbour join-and-exit     joins the viewer chain and ends without leaving it
//   e2e_bad_neighbour flood COUNT RATE  copies "flood 1" .. "flood COUNT", RATE a second
// It sets the event named by kReadyEvent once it is in place.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr const wchar_t* kReadyEvent = L"SlotPad.Test.NeighbourReady";

HWND g_next = nullptr;
bool g_passOn = true;

LRESULT CALLBACK ViewerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DRAWCLIPBOARD:
            if (g_passOn && g_next) SendMessageW(g_next, message, wParam, lParam);
            return 0;
        case WM_CHANGECBCHAIN:
            if (!g_passOn) return 0;
            if (reinterpret_cast<HWND>(wParam) == g_next)
                g_next = reinterpret_cast<HWND>(lParam);
            else if (g_next)
                SendMessageW(g_next, message, wParam, lParam);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

HWND MakeWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ViewerProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"SlotPadTestNeighbour";
    RegisterClassW(&wc);
    return CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance,
                           nullptr);
}

void Pump(DWORD ms) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        const DWORD spent = GetTickCount() - start;
        if (spent >= ms) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - spent, QS_ALLINPUT);
    }
}

void SayReady() {
    HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, kReadyEvent);
    if (ready) {
        SetEvent(ready);
        CloseHandle(ready);
    }
}

bool OpenFor(HWND owner) {
    for (int attempt = 0; attempt < 200; ++attempt) {
        if (OpenClipboard(owner)) return true;
        Sleep(5);
    }
    return false;
}

bool Copy(HWND owner, const std::string& text) {
    if (!OpenFor(owner)) return false;
    bool ok = EmptyClipboard() != FALSE;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (ok && block) {
        std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
        GlobalUnlock(block);
        ok = SetClipboardData(CF_TEXT, block) != nullptr;
        if (!ok) GlobalFree(block);
    }
    return CloseClipboard() && ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const std::string mode = argv[1];
    const unsigned long number = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 0;
    HWND window = MakeWindow();
    if (!window) return 3;

    if (mode == "never-render") {
        if (!OpenFor(window)) return 4;
        EmptyClipboard();
        SetClipboardData(CF_TEXT, nullptr);  // rendered on request: never
        CloseClipboard();
        SayReady();
        Sleep(number);
        return 0;
    }
    if (mode == "hung-viewer" || mode == "swallow" || mode == "join-and-exit") {
        g_passOn = mode != "swallow";
        g_next = SetClipboardViewer(window);
        Pump(200);
        SayReady();
        if (mode == "join-and-exit") ExitProcess(0);  // no ChangeClipboardChain: a crash
        if (mode == "hung-viewer") Sleep(number);
        for (;;) Pump(1000);
    }
    if (mode == "flood") {
        const unsigned long rate = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 2000;
        SayReady();
        const DWORD start = GetTickCount();
        for (unsigned long i = 1; i <= number; ++i) {
            if (!Copy(window, "flood " + std::to_string(i))) return 5;
            const DWORD due = static_cast<DWORD>(static_cast<unsigned long long>(i) * 1000 / rate);
            const DWORD spent = GetTickCount() - start;
            if (spent < due) Sleep(due - spent);
        }
        std::printf("%lu copies in %lu ms\n", number, GetTickCount() - start);
        return 0;
    }
    return 2;
}
