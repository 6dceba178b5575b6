#include "slotpad/platform/win32/Win32PanelControls.h"

#include <commctrl.h>

namespace slotpad::win32 {

namespace {

constexpr int kBarHeight = 5;
constexpr UINT_PTR kToolId = 1;
constexpr const wchar_t* kBarClass = L"SlotPadDropBar";

TOOLINFOA ToolFor(HWND owner, const PixelRect& area, const std::string& text) {
    TOOLINFOA tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = owner;
    tool.uId = kToolId;
    tool.rect = RECT{area.Left, area.Top, area.Right, area.Bottom};
    // The descriptions are 8-bit text in the system's code page, as captured.
    tool.lpszText = const_cast<char*>(text.c_str());
    return tool;
}

}  // namespace

Win32RowToolTip::Win32RowToolTip(HWND owner) : owner_(owner) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE)), nullptr);
}

Win32RowToolTip::~Win32RowToolTip() {
    if (tip_) DestroyWindow(tip_);
}

void Win32RowToolTip::Update(const PixelRect& area, const std::string& text) {
    if (!tip_) return;
    TOOLINFOA tool = ToolFor(owner_, area, text);
    if (!added_) {
        added_ = SendMessageA(tip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE;
        return;
    }
    SendMessageA(tip_, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(tip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    // The control saw the pointer move before the tool moved under it; tell it again
    // where the pointer is, so the tip shows without waiting for the next move.
    POINT at{};
    GetCursorPos(&at);
    ScreenToClient(owner_, &at);
    if (PtInRect(&tool.rect, at)) {
        MSG move{owner_, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y), static_cast<DWORD>(GetMessageTime()), {}};
        SendMessageA(tip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
    }
}

Win32DropBar::Win32DropBar(HWND parent) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    const foundation::WindowClass barClass{.name = kBarClass,
                                           .background = reinterpret_cast<HBRUSH>(COLOR_BTNSHADOW + 1)};
    // Disabled, so that the pointer over it still reaches the panel below.
    CreateWindowOf(instance, barClass, L"",
                   {.style = WS_CHILD | WS_DISABLED, .x = 0, .y = 0, .width = 0, .height = kBarHeight, .parent = parent});
}

Win32DropBar::~Win32DropBar() = default;

void Win32DropBar::Show(int left, int top, int width) {
    left_ = left;
    SetWindowPos(hwnd_, HWND_TOP, left, top, width, kBarHeight, SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

void Win32DropBar::MoveTo(int top) {
    SetWindowPos(hwnd_, nullptr, left_, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32DropBar::Hide() { ShowWindow(hwnd_, SW_HIDE); }

}  // namespace slotpad::win32
