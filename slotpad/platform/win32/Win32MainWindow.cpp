#include "slotpad/platform/win32/Win32MainWindow.h"

#include <windowsx.h>

#include <algorithm>

#include "slotpad/platform/win32/Utf.h"
#include "slotpad/platform/win32/Win32Application.h"

namespace slotpad::win32 {

namespace {

constexpr const wchar_t* kClassName = L"SlotPadMain";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
// The window's design size: a client area of 3480 by 6825 twips.
constexpr int kDesignClientWidthPx = 232;
constexpr int kDesignClientHeightPx = 455;
constexpr UINT_PTR kTimerId = 1;

int ShiftState() {
    int shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= 1;
    if (GetKeyState(VK_CONTROL) < 0) shift |= 2;
    if (GetKeyState(VK_MENU) < 0) shift |= 4;
    return shift;
}

int ButtonsHeld(WPARAM wParam) {
    int buttons = 0;
    if (wParam & MK_LBUTTON) buttons |= 1;
    if (wParam & MK_RBUTTON) buttons |= 2;
    if (wParam & MK_MBUTTON) buttons |= 4;
    return buttons;
}


}  // namespace

// The hidden owner that keeps the window off the taskbar. Programs that close a process
// send WM_CLOSE to each of its top-level windows; destroying the owner would take the main
// window with it before it could save, so the owner leaves the close to the main window.
class Win32MainWindow::TaskListOwner final : public foundation::WindowBase {
public:
    explicit TaskListOwner(HINSTANCE instance) {
        CreateWindowOf(instance, {.name = L"SlotPadTaskListOwner"}, L"", {.style = WS_POPUP, .x = 0, .y = 0, .width = 0, .height = 0});
    }

private:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_CLOSE) return 0;
        return WindowBase::HandleMessage(msg, wParam, lParam);
    }
};

Win32MainWindow::Win32MainWindow(HINSTANCE instance, HICON bigIcon, HICON smallIcon) {
    RECT frame{0, 0, kDesignClientWidthPx, kDesignClientHeightPx};
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
    showRequestMessage_ = RegisterWindowMessageW(kShowMessageName);
    const foundation::WindowClass windowClass{.name = kClassName,
                                              .style = CS_DBLCLKS,
                                              .icon = bigIcon,
                                              .smallIcon = smallIcon,
                                              .background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)};
    CreateWindowOf(instance, windowClass, L"SlotPad",
                   {.style = kStyle, .width = frame.right - frame.left, .height = frame.bottom - frame.top});
}

Win32MainWindow::~Win32MainWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT Win32MainWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND hwnd = hwnd_;
    if (!events_) return DefWindowProcW(hwnd, msg, wParam, lParam);

    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    switch (msg) {
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_CLOSE) {
                // The close box, the system menu's Close and Alt+F4: the user's close.
                if (!events_->Form_QueryUnload(CloseReason::User)) Unload();
                return 0;
            }
            break;
        case WM_CLOSE:
            // Asked by another program or the task manager.
            if (!events_->Form_QueryUnload(CloseReason::Other)) Unload();
            return 0;
        case WM_GETMINMAXINFO: {
            // The window's height follows its slots, and 71 rows are taller than most
            // screens: it may grow past the screen rather than hide the lower rows.
            auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
            limits->ptMaxTrackSize.y = std::max<LONG>(limits->ptMaxTrackSize.y, 32000);
            return 0;
        }
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam) events_->Form_QueryUnload(CloseReason::Shutdown);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_SIZE:
            events_->Form_Resize();
            return 0;
        case WM_ERASEBKGND:
            if (painter_) return 1;
            break;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            if (painter_) {
                painter_(dc, ps.rcPaint);
            } else {
                FillRect(dc, &ps.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
            }
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_LBUTTONDOWN:
            events_->Pointer_Down(1, ShiftState(), x, y);
            return 0;
        case WM_RBUTTONDOWN:
            events_->Pointer_Down(2, ShiftState(), x, y);
            return 0;
        case WM_MBUTTONDOWN:
            events_->Pointer_Down(4, ShiftState(), x, y);
            return 0;
        case WM_LBUTTONUP:
            events_->Pointer_Up(1, ShiftState(), x, y);
            return 0;
        case WM_RBUTTONUP:
            events_->Pointer_Up(2, ShiftState(), x, y);
            return 0;
        case WM_MBUTTONUP:
            events_->Pointer_Up(4, ShiftState(), x, y);
            return 0;
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            events_->Pointer_DblClick(x, y);
            return 0;
        case WM_CAPTURECHANGED:
            // Also sent for our own release, which the logic knows apart: no press is held then.
            events_->Pointer_Cancelled();
            return 0;
        case WM_CANCELMODE:
            events_->Pointer_Cancelled();
            break;  // the default processing releases the capture
        case WM_MOUSEMOVE:
            events_->Pointer_Move(ButtonsHeld(wParam), ShiftState(), x, y);
            return 0;
        case WM_KEYDOWN:
            events_->Form_KeyDown(static_cast<int>(wParam), ShiftState());
            return 0;
        case WM_SYSKEYDOWN:
            events_->Form_KeyDown(static_cast<int>(wParam), ShiftState());
            break;  // Alt+F4 and the system menu keys still work
        case WM_SYSCOLORCHANGE:
            events_->Sys_SysColorsChanged();
            return 0;
        case kTrayMessage:
            events_->Tray_Notify(LOWORD(lParam));
            return 0;
        case WM_USER:
            return 0;
        case kCaptureMessage:
            events_->Capture_Posted();
            return 0;
        case WM_TIMER:
            if (wParam != kTimerId) break;
            events_->Timer_Tick();
            return 0;
        default:
            if (msg == taskbarCreated_ && taskbarCreated_ != 0) {
                events_->Tray_Recreated();
                return 0;
            }
            if (msg == showRequestMessage_ && showRequestMessage_ != 0) {
                if (showRequest_) showRequest_();
                return 0;
            }
            break;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

int Win32MainWindow::TwipsX() const { return Win32Screen().TwipsPerPixelX(); }
int Win32MainWindow::TwipsY() const { return Win32Screen().TwipsPerPixelY(); }

RECT Win32MainWindow::WindowRectPx() const {
    RECT r{};
    if (hwnd_) GetWindowRect(hwnd_, &r);
    return r;
}

void Win32MainWindow::MoveTo(const RECT& px) {
    SetWindowPos(hwnd_, nullptr, px.left, px.top, px.right - px.left, px.bottom - px.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

int Win32MainWindow::Left() const { return Pixels_To_Twips(WindowRectPx().left, TwipsX()); }
int Win32MainWindow::Top() const { return Pixels_To_Twips(WindowRectPx().top, TwipsY()); }
int Win32MainWindow::Width() const {
    const RECT r = WindowRectPx();
    return Pixels_To_Twips(r.right - r.left, TwipsX());
}
int Win32MainWindow::Height() const {
    const RECT r = WindowRectPx();
    return Pixels_To_Twips(r.bottom - r.top, TwipsY());
}

void Win32MainWindow::Place(const TwipsRect& frame) {
    const int left = Twips_To_Pixels(frame.Left, TwipsX()), top = Twips_To_Pixels(frame.Top, TwipsY());
    MoveTo({left, top, left + std::max(0, Twips_To_Pixels(frame.Width, TwipsX())),
            top + std::max(0, Twips_To_Pixels(frame.Height, TwipsY()))});
}
void Win32MainWindow::SetHeight(int twips) {
    RECT r = WindowRectPx();
    r.bottom = r.top + std::max(0, Twips_To_Pixels(twips, TwipsY()));
    MoveTo(r);
}

WindowState Win32MainWindow::State() const {
    if (IsIconic(hwnd_)) return WindowState::Minimized;
    if (IsZoomed(hwnd_)) return WindowState::Maximized;
    return WindowState::Normal;
}

void Win32MainWindow::Show() { ShowWindow(hwnd_, SW_SHOW); }
void Win32MainWindow::Hide() { ShowWindow(hwnd_, SW_HIDE); }
bool Win32MainWindow::IsVisible() const { return hwnd_ && IsWindowVisible(hwnd_); }
void Win32MainWindow::SetCaption(const std::string& caption) { SetWindowTextW(hwnd_, Widen(caption).c_str()); }

void Win32MainWindow::SetTopmost(bool topmost) {
    SetWindowPos(hwnd_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void Win32MainWindow::HideFromTaskList() {
    // An owned top-level window gets no taskbar button; the owner itself is never shown.
    if (!taskListOwner_) {
        const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE));
        taskListOwner_ = std::make_unique<TaskListOwner>(instance);
    }
    SetWindowLongPtrW(hwnd_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(taskListOwner_->hwnd()));
}

int Win32MainWindow::ClientWidth() const {
    RECT r{};
    GetClientRect(hwnd_, &r);
    return r.right;
}
int Win32MainWindow::ClientHeight() const {
    RECT r{};
    GetClientRect(hwnd_, &r);
    return r.bottom;
}

void Win32MainWindow::BringToForeground() { SetForegroundWindow(hwnd_); }
void Win32MainWindow::PostUserMessage() { PostMessageW(hwnd_, WM_USER, 0, 0); }
void Win32MainWindow::CapturePointer() { SetCapture(hwnd_); }
void Win32MainWindow::ReleasePointer() {
    if (GetCapture() == hwnd_) ReleaseCapture();
}
void Win32MainWindow::StartTimer(int intervalMs) {
    SetTimer(hwnd_, kTimerId, static_cast<UINT>(std::max(intervalMs, 1)), nullptr);
}
bool Win32MainWindow::PostCapture() { return PostMessageW(hwnd_, kCaptureMessage, 0, 0) != FALSE; }
void Win32MainWindow::Unload() {
    if (hwnd_) DestroyWindow(hwnd_);
}

}  // namespace slotpad::win32
