#include "win32/WindowBase.h"

#include "win32/Failure.h"

namespace foundation {

bool WindowBase::RegisterWindowClass(HINSTANCE instance, const WindowClass& windowClass) {
    WNDCLASSEXW description{};
    description.cbSize = sizeof(description);
    description.style = windowClass.style;
    description.lpfnWndProc = &WindowProc;
    description.hInstance = instance;
    description.hIcon = windowClass.icon;
    description.hIconSm = windowClass.smallIcon;
    description.hCursor = windowClass.cursor ? windowClass.cursor : LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    description.hbrBackground = windowClass.background;
    description.lpszClassName = windowClass.name;
    if (RegisterClassExW(&description) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS) return true;
    ReportFailure(FailureMessage("RegisterClassExW", HRESULT_FROM_WIN32(GetLastError())));
    return false;
}

WindowBase::~WindowBase() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

bool WindowBase::CreateWindowOf(HINSTANCE instance, const WindowClass& windowClass, const wchar_t* title,
                                const WindowPlacement& placement) {
    if (!RegisterWindowClass(instance, windowClass)) return false;
    const HWND window = CreateWindowExW(placement.exStyle, windowClass.name, title, placement.style, placement.x,
                                        placement.y, placement.width, placement.height, placement.parent,
                                        nullptr, instance, this);
    if (!window) {
        ReportFailure(FailureMessage("CreateWindowExW", HRESULT_FROM_WIN32(GetLastError())));
        return false;
    }
    return true;
}

void WindowBase::DestroyOwnWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT WindowBase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT WindowBase::FailedMessageResult(UINT message) const {
    // A window that failed its creation must not be left half made.
    return message == WM_CREATE ? -1 : 0;
}

LRESULT CALLBACK WindowBase::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<WindowBase*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self = static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        if (self) self->hwnd_ = window;
    }
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    const LRESULT result = WindowBarrier(
        "a window procedure", [&] { return self->HandleMessage(message, wParam, lParam); },
        self->FailedMessageResult(message));
    if (message == WM_DESTROY) {
        WindowBarrier(
            "a window procedure",
            [&] {
                self->OnWindowDestroyed();
                return LRESULT{0};
            },
            LRESULT{0});
    }
    return result;
}

}  // namespace foundation
