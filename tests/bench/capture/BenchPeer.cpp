// The benchmark's peer programs, in one GUI-subsystem binary (Wine gives only GUI
// programs the idle event that WaitForInputIdle waits for):
//   capture_bench_peer viewer <shared block name>   the minimal clipboard viewer
//   capture_bench_peer trivial                      one hidden window and a message loop

#include <windows.h>
#include <shellapi.h>

#include <cwchar>

#include "tests/bench/capture/MinimalViewer.h"
#include "tests/bench/capture/ViewerReport.h"

namespace {

LRESULT CALLBACK TrivialProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// What every Wine program with a window pays: the yardstick for SlotPad's start-up and memory.
int RunTrivial() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = TrivialProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = slotpad::bench::kTrivialClass;
    if (!RegisterClassW(&wc)) return 3;
    if (!CreateWindowExW(0, slotpad::bench::kTrivialClass, L"Trivial", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0, 200,
                         100, nullptr, nullptr, wc.hInstance, nullptr))
        return 3;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    int code = 1;
    if (argv && argc == 3 && std::wcscmp(argv[1], L"viewer") == 0)
        code = slotpad::bench::RunMinimalViewer(argv[2]);
    else if (argv && argc == 2 && std::wcscmp(argv[1], L"trivial") == 0)
        code = RunTrivial();
    LocalFree(argv);
    return code;
}
