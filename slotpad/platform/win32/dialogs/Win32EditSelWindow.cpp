#include "slotpad/platform/win32/dialogs/Win32EditSelWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

#include "slotpad/dialogs/DialogLayout.h"
#include "slotpad/dialogs/EditSelLayout.h"
#include "slotpad/platform/win32/Win32Application.h"
#include "win32/Failure.h"
#include "win32/Handles.h"

namespace slotpad::win32 {

namespace {

constexpr UINT_PTR kBoxSubclassId = 1;

std::size_t Index(EditSelControl control) { return static_cast<std::size_t>(control); }

struct ControlClass {
    EditSelControl Control;
    std::string_view Name;
    int Id;
    const wchar_t* WindowClass;
    DWORD Style;
    DWORD ExStyle;
};

// In the order of the design's tab order, containers before what they hold.
constexpr ControlClass Classes[] = {
    {EditSelControl::Editing, "Editing", Win32EditSelWindow::kEditingId, L"EDIT",
     WS_TABSTOP | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_WANTRETURN,
     WS_EX_CLIENTEDGE},
    {EditSelControl::OKButton, "OKButton", Win32EditSelWindow::kOKButtonId, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0},
    {EditSelControl::CancelButton, "CancelButton", Win32EditSelWindow::kCancelButtonId, L"BUTTON",
     WS_TABSTOP | BS_PUSHBUTTON, 0},
    // The strip holds the description row; the dialog manager tabs into it.
    {EditSelControl::TipBack, "TipBack", Win32EditSelWindow::kTipBackId, L"STATIC", SS_LEFT, WS_EX_CONTROLPARENT},
    {EditSelControl::Label1, "Label1", Win32EditSelWindow::kLabel1Id, L"STATIC", SS_LEFT, 0},
    {EditSelControl::Tip, "Tip", Win32EditSelWindow::kTipId, L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE},
};

// An empty sizable dialog in the shell's dialog font; the controls are made from the
// design once the dialog exists, in pixels of this screen.
class EmptyDialogTemplate {
public:
    EmptyDialogTemplate() {
        DLGTEMPLATE dialog{};
        dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX |
                       DS_SETFONT | DS_SHELLFONT;
        dialog.cx = 200;
        dialog.cy = 120;
        Append(&dialog, sizeof(dialog));
        words_.push_back(0);  // no menu
        words_.push_back(0);  // the standard dialog class
        Text(L"Edit Selection");
        words_.push_back(8);  // points
        Text(L"MS Shell Dlg");
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void Append(const void* data, std::size_t size) {
        const std::size_t at = words_.size();
        words_.resize(at + (size + 1) / 2);
        std::memcpy(words_.data() + at, data, size);
    }
    void Text(const wchar_t* text) { Append(text, (std::wcslen(text) + 1) * sizeof(wchar_t)); }
    std::vector<WORD> words_;
};

std::wstring Window_Text(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string Ansi(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int n = WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) WideCharToMultiByte(CP_ACP, 0, text.data(), size, out.data(), n, nullptr, nullptr);
    return out;
}

std::wstring Clipboard_Text(HWND owner) {
    foundation::ClipboardOpen open(owner, 3, 10);
    if (!open) return {};
    const foundation::GlobalLockScope lock(GetClipboardData(CF_UNICODETEXT));
    const auto* data = static_cast<const wchar_t*>(lock.get());
    if (!data) return {};
    return std::wstring(data, wcsnlen(data, lock.size() / sizeof(wchar_t)));
}

}  // namespace

Win32EditSelWindow::Win32EditSelWindow(HINSTANCE instance, HWND owner) : instance_(instance), owner_(owner) {}

Win32EditSelWindow::~Win32EditSelWindow() {
    if (!hwnd()) return;
    for (const EditSelControl box : {EditSelControl::Editing, EditSelControl::Tip})
        if (HWND window = Control(box)) RemoveWindowSubclass(window, &BoxProc, kBoxSubclassId);
}

HWND Win32EditSelWindow::Control(EditSelControl control) const { return controls_[Index(control)]; }

bool Win32EditSelWindow::Create() {
    if (hwnd()) return true;
    const EmptyDialogTemplate empty;
    return CreateModeless(instance_, empty.Get(), owner_) != nullptr;
}

BOOL Win32EditSelWindow::OnInitDialog() {
    const Win32Screen screen;
    const int tppX = screen.TwipsPerPixelX();
    const int tppY = screen.TwipsPerPixelY();
    const HFONT font = reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0));
    for (const ControlClass& kind : Classes) {
        const ControlLayout* design = Find_Control(EditSelLayout, kind.Name);
        const PixelRect r = To_Pixels(design->Rect, tppX, tppY);
        const HWND parent = design->Container.empty() ? hwnd_ : Control(EditSelControl::TipBack);
        const std::wstring caption(design->Caption.begin(), design->Caption.end());
        const HWND control = CreateWindowExW(kind.ExStyle, kind.WindowClass, caption.c_str(),
                                             WS_CHILD | WS_VISIBLE | kind.Style, r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top,
                                             parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kind.Id)),
                                             instance_, nullptr);
        foundation::CheckLastError(control, "CreateWindowExW");
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        controls_[Index(kind.Control)] = control;
    }
    for (const EditSelControl box : {EditSelControl::Editing, EditSelControl::Tip}) {
        // The boxes never cut a text themselves: what fits is decided before every edit.
        SendMessageW(Control(box), EM_SETLIMITTEXT, 0, 0);
        SetWindowSubclass(Control(box), &BoxProc, kBoxSubclassId, reinterpret_cast<DWORD_PTR>(this));
    }
    // The design's client area, the window centred on its owner's screen the first time.
    RECT frame{0, 0, Twips_To_Pixels(EditSelLayout.ClientWidth, tppX),
               Twips_To_Pixels(EditSelLayout.ClientHeight, tppY)};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)));
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(owner_ ? owner_ : hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    SetWindowPos(hwnd_, nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    return FALSE;
}

void Win32EditSelWindow::Set_Text(EditSelControl box, const std::string& text) {
    if (!Create()) return;
    SetWindowTextA(Control(box), text.c_str());
}

std::string Win32EditSelWindow::Text(EditSelControl box) const {
    const HWND window = Control(box);
    if (!window) return {};
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

int Win32EditSelWindow::Client_Width() const {
    RECT client{};
    if (hwnd()) GetClientRect(hwnd(), &client);
    return Pixels_To_Twips(client.right, Win32Screen().TwipsPerPixelX());
}

int Win32EditSelWindow::Client_Height() const {
    RECT client{};
    if (hwnd()) GetClientRect(hwnd(), &client);
    return Pixels_To_Twips(client.bottom, Win32Screen().TwipsPerPixelY());
}

void Win32EditSelWindow::Place(EditSelControl control, const TwipsRect& rect) {
    const HWND window = Control(control);
    if (!window) return;
    const Win32Screen screen;
    const PixelRect r = To_Pixels(rect, screen.TwipsPerPixelX(), screen.TwipsPerPixelY());
    MoveWindow(window, r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top, TRUE);
}

void Win32EditSelWindow::Show_Modal(EditSelEvents& events) {
    if (!Create()) return;
    events_ = &events;
    events.Form_Resize();
    if (owner_) EnableWindow(owner_, FALSE);
    ShowWindow(hwnd_, IsIconic(hwnd_) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(hwnd_);
    const HWND editing = Control(EditSelControl::Editing);
    SetFocus(editing);
    SendMessageW(editing, EM_SETSEL, 0, 0);
    RunModalLoop();
    events_ = nullptr;
}

void Win32EditSelWindow::RunModalLoop() {
    MSG msg;
    while (hwnd_ && IsWindowVisible(hwnd_)) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            // The program is ending: the dialog closes as if cancelled and the outer loop sees the quit too.
            Hide();
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1) break;
        if (!IsDialogMessageW(hwnd_, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    if (hwnd_ && IsWindowVisible(hwnd_)) Hide();
}

void Win32EditSelWindow::Hide() {
    if (!hwnd_) return;
    // The owner comes back before the dialog goes, so it is the one activated.
    if (owner_) EnableWindow(owner_, TRUE);
    ShowWindow(hwnd_, SW_HIDE);
}

INT_PTR Win32EditSelWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_SIZE:
            if (events_ && wParam != SIZE_MINIMIZED) events_->Form_Resize();
            return TRUE;
        case WM_CLOSE:
            // The close box counts as Cancel.
            if (events_)
                events_->CancelButton_Click();
            else
                Hide();
            return TRUE;
        case WM_COMMAND:
            if (HIWORD(wParam) != BN_CLICKED && HIWORD(wParam) != 0) return FALSE;
            if (LOWORD(wParam) == kOKButtonId) {
                if (events_) events_->OKButton_Click();
                return TRUE;
            }
            if (LOWORD(wParam) == kCancelButtonId) {
                if (events_)
                    events_->CancelButton_Click();
                else
                    Hide();
                return TRUE;
            }
            // Enter outside Editing asks for IDOK: there is no default button to press.
            return LOWORD(wParam) == IDOK;
        default:
            return FALSE;
    }
}

LRESULT CALLBACK Win32EditSelWindow::BoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR self) {
    auto* window = reinterpret_cast<Win32EditSelWindow*>(self);
    return foundation::WindowBarrier(
        "the Edit Selection text box",
        [&] {
            const EditSelControl which = box == window->Control(EditSelControl::Tip) ? EditSelControl::Tip
                                                                                      : EditSelControl::Editing;
            return window->HandleBoxMessage(box, which, message, wParam, lParam);
        },
        0);
}

bool Win32EditSelWindow::Allows(HWND box, EditSelControl which, const std::wstring& inserted) {
    if (!events_) return true;
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    std::wstring result = Window_Text(box);
    start = std::min<DWORD>(start, static_cast<DWORD>(result.size()));
    end = std::min<DWORD>(std::max(start, end), static_cast<DWORD>(result.size()));
    result.replace(start, end - start, inserted);
    if (events_->Accepts_Edit(which, Ansi(result))) return true;
    MessageBeep(MB_OK);
    return false;
}

LRESULT Win32EditSelWindow::HandleBoxMessage(HWND box, EditSelControl which, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    const bool multiLine = which == EditSelControl::Editing;
    switch (message) {
        case WM_CHAR: {
            const auto ch = static_cast<wchar_t>(wParam);
            if (ch == L'\r' && multiLine) {
                if (!Allows(box, which, L"\r\n")) return 0;
            } else if (ch >= L' ' || ch == L'\t') {
                if (!Allows(box, which, std::wstring(1, ch))) return 0;
            }
            break;
        }
        case WM_PASTE: {
            std::wstring pasted = Clipboard_Text(hwnd_);
            // A single-line box takes the first line only.
            if (!multiLine) pasted.resize(pasted.find_first_of(L"\r\n") == std::wstring::npos
                                              ? pasted.size()
                                              : pasted.find_first_of(L"\r\n"));
            if (!Allows(box, which, pasted)) return 0;
            break;
        }
        case WM_CUT:
        case WM_CLEAR:
            if (!Allows(box, which, std::wstring())) return 0;
            break;
        case EM_REPLACESEL: {
            const auto* text = reinterpret_cast<const wchar_t*>(lParam);
            if (!Allows(box, which, text ? std::wstring(text) : std::wstring())) return 0;
            break;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(box, &BoxProc, kBoxSubclassId);
            break;
        case WM_KEYDOWN:
            // Shift+Insert pastes without going through WM_PASTE in every edit control.
            if (wParam == VK_INSERT && (GetKeyState(VK_SHIFT) & 0x8000) && !(GetKeyState(VK_CONTROL) & 0x8000)) {
                SendMessageW(box, WM_PASTE, 0, 0);
                return 0;
            }
            break;
        default:
            break;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace slotpad::win32
