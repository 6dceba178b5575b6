#include "tests/bench/capture/MinimalViewer.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "win32/Handles.h"
#include "tests/bench/capture/ViewerReport.h"

namespace slotpad::bench {

namespace {

struct ViewerState {
    ViewerReport* report = nullptr;
    HWND next = nullptr;
    std::string text;  // reused, so that a change costs a copy and no allocation
};

ViewerState g_state;

void ReadClipboardText(HWND window) {
    ViewerReport& report = *g_state.report;
    LONG length = -1;
    if (OpenClipboard(window)) {
        if (HANDLE data = GetClipboardData(CF_TEXT)) {
            if (const auto* p = static_cast<const char*>(GlobalLock(data))) {
                const SIZE_T size = GlobalSize(data);
                const void* zero = std::memchr(p, '\0', size);
                g_state.text.assign(p, zero ? static_cast<const char*>(zero) - p : size);
                GlobalUnlock(data);
                length = static_cast<LONG>(g_state.text.size());
            }
        }
        CloseClipboard();
    }
    if (length >= 0) {
        const size_t tail = std::min(g_state.text.size(), sizeof(report.LastTail) - 1);
        std::memcpy(report.LastTail, g_state.text.data() + g_state.text.size() - tail, tail);
        report.LastTail[tail] = '\0';
    }
    report.LastLength = length;
    InterlockedIncrement(&report.Changes);
}

LRESULT CALLBACK ViewerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DRAWCLIPBOARD:
            ReadClipboardText(window);
            g_state.report->NextViewer = reinterpret_cast<LONG_PTR>(g_state.next);
            if (g_state.next) SendMessageW(g_state.next, message, wParam, lParam);
            return 0;
        case WM_CHANGECBCHAIN:
            if (reinterpret_cast<HWND>(wParam) == g_state.next)
                g_state.next = reinterpret_cast<HWND>(lParam);
            else if (g_state.next)
                SendMessageW(g_state.next, message, wParam, lParam);
            return 0;
        case WM_DESTROY:
            ChangeClipboardChain(window, g_state.next);
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int RunMinimalViewer(const wchar_t* reportName) {
    foundation::UniqueHandle mapping(OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, reportName));
    if (!mapping) return 2;
    foundation::UniqueView view(MapViewOfFile(mapping.get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(ViewerReport)));
    if (!view) return 2;
    g_state.report = static_cast<ViewerReport*>(view.get());

    WNDCLASSW wc{};
    wc.lpfnWndProc = ViewerProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kViewerClass;
    if (!RegisterClassW(&wc)) return 3;
    HWND window = CreateWindowExW(0, kViewerClass, L"Minimal viewer", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0, 200,
                                  100, nullptr, nullptr, wc.hInstance, nullptr);
    if (!window) return 3;
    g_state.next = SetClipboardViewer(window);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}

}  // namespace slotpad::bench
