#include "tests/bench/capture/ChainTail.h"

namespace slotpad::bench {

namespace {

constexpr wchar_t kTailClass[] = L"CaptureBenchChainTail";

}  // namespace

ChainTail::ChainTail() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kTailClass;
    RegisterClassW(&wc);  // fails harmlessly when an earlier tail registered it
    window_ = CreateWindowExW(0, kTailClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, this);
    if (!window_) return;
    next_ = SetClipboardViewer(window_);
    if (next_) othersBehind_ = true;
}

ChainTail::~ChainTail() {
    if (!window_) return;
    ChangeClipboardChain(window_, next_);
    DestroyWindow(window_);
}

bool ChainTail::WaitFor(LONG changes, DWORD ms) {
    const DWORD start = GetTickCount();
    while (changes_ < changes) {
        MSG msg;
        // Sent messages (the reader passing the change on) are handled inside PeekMessage.
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        if (changes_ >= changes) break;
        const DWORD waited = GetTickCount() - start;
        if (waited >= ms) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - waited, QS_ALLINPUT);
    }
    return true;
}

LRESULT CALLBACK ChainTail::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        return DefWindowProcW(window, message, wParam, lParam);
    }
    auto* self = reinterpret_cast<ChainTail*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
        case WM_DRAWCLIPBOARD:
            ++self->changes_;
            if (self->next_) {
                self->othersBehind_ = true;
                SendMessageW(self->next_, message, wParam, lParam);
            }
            return 0;
        case WM_CHANGECBCHAIN:
            if (reinterpret_cast<HWND>(wParam) == self->next_)
                self->next_ = reinterpret_cast<HWND>(lParam);
            else if (self->next_)
                SendMessageW(self->next_, message, wParam, lParam);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace slotpad::bench
