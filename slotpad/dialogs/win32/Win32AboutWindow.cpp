#include "slotpad/dialogs/win32/Win32AboutWindow.h"

#include "slotpad/dialogs/AboutLayout.h"
#include "slotpad/dialogs/win32/LayoutDialog.h"
#include "win32/Handles.h"

namespace slotpad::win32 {

namespace {

constexpr UINT_PTR SHOWN_TIMER = 1;

const char* Name_Of(AboutLabel label) {
    switch (label) {
        case AboutLabel::lblTitle: return "lblTitle";
        case AboutLabel::lblVersion: return "lblVersion";
        case AboutLabel::lblDescription: return "lblDescription";
        case AboutLabel::lblDisclaimer: return "lblDisclaimer";
    }
    return "";
}

COLORREF Color_Of(unsigned rgb) { return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

}  // namespace

Win32AboutWindow::Win32AboutWindow(HINSTANCE instance, HICON icon, int twipsPerPixelX, int twipsPerPixelY)
    : instance_(instance), icon_(icon), tppX_(twipsPerPixelX), tppY_(twipsPerPixelY) {}

HWND Win32AboutWindow::Control(std::string_view name) const { return Control_Window(AboutLayout, controls_, name); }

void Win32AboutWindow::Set_Caption(const std::string& caption) {
    if (hwnd_) SetWindowTextA(hwnd_, caption.c_str());
}

void Win32AboutWindow::Set_Label(AboutLabel label, const std::string& text) {
    if (HWND window = Control(Name_Of(label))) SetWindowTextA(window, text.c_str());
}

std::string Win32AboutWindow::Label(AboutLabel label) const {
    HWND window = Control(Name_Of(label));
    if (!window) return {};
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void Win32AboutWindow::Show_Modal(AboutEvents& events) {
    if (hwnd_) return;
    // Never shown; owning the box keeps it out of the taskbar without tying it to a
    // window of the program.
    foundation::UniqueWindow hiddenOwner(
        CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance_, nullptr));
    events_ = &events;
    const std::vector<WORD> dialogTemplate = Empty_Dialog_Template(AboutLayout);
    RunModal(instance_, reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.data()), hiddenOwner.get());
    events_ = nullptr;
    controls_.clear();
}

BOOL Win32AboutWindow::OnInitDialog() {
    controls_ = Create_Controls(hwnd_, AboutLayout, tppX_, tppY_);
    if (HWND picture = Control("picIcon")) {
        SendMessageW(picture, STM_SETICON, reinterpret_cast<WPARAM>(icon_), 0);
        // Setting an icon sizes the picture to it; the design's box stays.
        const PixelRect rect = Client_Pixels(AboutLayout, *Find_Control(AboutLayout, "picIcon"), tppX_, tppY_);
        SetWindowPos(picture, nullptr, rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT work{}, frame{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(hwnd_, &frame);
    SetWindowPos(hwnd_, nullptr, work.left + ((work.right - work.left) - (frame.right - frame.left)) / 2,
                 work.top + ((work.bottom - work.top) - (frame.bottom - frame.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (events_) events_->Form_Load();
    if (shownHook_) SetTimer(hwnd_, SHOWN_TIMER, 10, nullptr);
    if (HWND first = Control(First_Focus(AboutLayout)->Name)) {
        SetFocus(first);
        return FALSE;
    }
    return TRUE;
}

void Win32AboutWindow::Paint_Lines(HDC dc) const {
    for (const ControlLayout& control : AboutLayout.Controls) {
        if (control.Kind != ControlKind::Line) continue;
        const PixelRect ends = To_Pixels(control.Rect, tppX_, tppY_);
        // For a line the rectangle's corners are its two ends.
        const int x1 = ends.Left, y1 = ends.Top, x2 = Twips_To_Pixels(control.Rect.Width, tppX_),
                  y2 = Twips_To_Pixels(control.Rect.Height, tppY_);
        foundation::gdi::Owned<HPEN, foundation::gdi::FreeObject> pen(
            CreatePen(PS_INSIDEFRAME, control.LineWidthPixels, Color_Of(control.LineColor)));
        foundation::gdi::Selection selected(dc, pen.get());
        MoveToEx(dc, x1, y1, nullptr);
        LineTo(dc, x2, y2);
    }
}

INT_PTR Win32AboutWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) != BN_CLICKED) return FALSE;
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                // cmdOK is both the default and the cancel button; the close box sends IDCANCEL.
                End(IDOK);
            } else if (reinterpret_cast<HWND>(lParam) == Control("cmdSysInfo") && events_) {
                events_->cmdSysInfo_Click();
            }
            return TRUE;
        case WM_CTLCOLORSTATIC: {
            const auto window = reinterpret_cast<HWND>(lParam);
            if (window == Control("lblTitle") || window == Control("lblDescription") ||
                window == Control("lblDisclaimer")) {
                const auto dc = reinterpret_cast<HDC>(wParam);
                SetTextColor(dc, RGB(0, 0, 0));
                SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
                return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
            }
            return FALSE;
        }
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            HDC dc = BeginPaint(hwnd_, &paint);
            Paint_Lines(dc);
            EndPaint(hwnd_, &paint);
            return TRUE;
        }
        case WM_TIMER:
            if (wParam == SHOWN_TIMER) {
                KillTimer(hwnd_, SHOWN_TIMER);
                if (shownHook_) shownHook_(*this);
            }
            return TRUE;
        default: return FALSE;
    }
}

}  // namespace slotpad::win32
