#include "slotpad/dialogs/win32/LayoutDialog.h"

#include <algorithm>
#include <numeric>
#include <string>

#include "win32/Utf.h"

namespace slotpad::win32 {

namespace {

constexpr int FIRST_CONTROL_ID = 1000;
const wchar_t DIALOG_FONT[] = L"MS Sans Serif";
constexpr WORD DIALOG_FONT_POINTS = 8;

void Put_String(std::vector<WORD>& words, const std::wstring& text) {
    words.insert(words.end(), text.begin(), text.end());
    words.push_back(0);
}

struct WindowStyle {
    const wchar_t* ClassName;
    DWORD Style;
    DWORD ExStyle = 0;
};

WindowStyle Style_Of(const ControlLayout& control) {
    // Every control but the later members of an option group starts a group, so the
    // arrow keys move only inside News and Tab stops once on the group.
    const DWORD group = control.Kind == ControlKind::OptionButton && !control.GroupStart ? 0 : WS_GROUP;
    const DWORD base = WS_CHILD | WS_VISIBLE | group;
    switch (control.Kind) {
        case ControlKind::Frame: return {L"BUTTON", base | BS_GROUPBOX};
        case ControlKind::Label: return {L"STATIC", base | SS_LEFT};
        case ControlKind::BorderedLabel: return {L"STATIC", base | SS_LEFT | WS_BORDER};
        case ControlKind::CheckBox: return {L"BUTTON", base | WS_TABSTOP | BS_AUTOCHECKBOX};
        case ControlKind::OptionButton:
            return {L"BUTTON", base | BS_AUTORADIOBUTTON | (control.GroupStart ? WS_TABSTOP : 0)};
        case ControlKind::CommandButton:
            return {L"BUTTON", base | WS_TABSTOP | (control.Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON)};
        case ControlKind::TextBox: return {L"EDIT", base | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::MultiLineTextBox:
            return {L"EDIT", base | WS_TABSTOP | ES_MULTILINE | ES_WANTRETURN | WS_HSCROLL | WS_VSCROLL,
                    WS_EX_CLIENTEDGE};
        case ControlKind::PictureBox: return {L"STATIC", base | SS_ICON | SS_CENTERIMAGE};
        case ControlKind::Line: break;
    }
    return {L"STATIC", base};
}

}  // namespace

std::vector<WORD> Empty_Dialog_Template(const FormLayout& form) {
    std::vector<WORD> words;
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    if (form.Border == FormBorder::Sizable) style = (style & ~DS_MODALFRAME) | WS_THICKFRAME;
    if (form.MinMaxButtons) style |= WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    const DWORD exStyle = WS_EX_DLGMODALFRAME;
    words.push_back(LOWORD(style));
    words.push_back(HIWORD(style));
    words.push_back(LOWORD(exStyle));
    words.push_back(HIWORD(exStyle));
    words.push_back(0);  // no controls in the template
    words.insert(words.end(), {0, 0, 0, 0});  // x, y, cx, cy: sized once the controls exist
    words.push_back(0);  // no menu
    words.push_back(0);  // the standard dialog class
    Put_String(words, foundation::Widen(form.Caption));
    words.push_back(DIALOG_FONT_POINTS);
    Put_String(words, DIALOG_FONT);
    return words;
}

int Control_Id(const FormLayout& form, std::size_t index) {
    const ControlLayout& control = form.Controls[index];
    if (control.Cancel) return IDCANCEL;
    if (control.Default) return IDOK;
    return FIRST_CONTROL_ID + static_cast<int>(index);
}

PixelRect Client_Pixels(const FormLayout& form, const ControlLayout& control, int twipsPerPixelX,
                        int twipsPerPixelY) {
    TwipsRect rect = control.Rect;
    for (std::string_view container = control.Container; !container.empty();) {
        const ControlLayout* outer = Find_Control(form, container);
        if (!outer) break;
        rect.Left += outer->Rect.Left;
        rect.Top += outer->Rect.Top;
        container = outer->Container;
    }
    return To_Pixels(rect, twipsPerPixelX, twipsPerPixelY);
}

std::vector<HWND> Create_Controls(HWND dialog, const FormLayout& form, int twipsPerPixelX, int twipsPerPixelY) {
    const PixelRect client = To_Pixels({0, 0, form.ClientWidth, form.ClientHeight}, twipsPerPixelX, twipsPerPixelY);
    RECT frame{0, 0, client.Right - client.Left, client.Bottom - client.Top};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE)));
    SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    // Tab stops first in their order, then the rest as the design lists them.
    std::vector<std::size_t> order(form.Controls.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int ta = form.Controls[a].TabOrder, tb = form.Controls[b].TabOrder;
        if ((ta == NO_TAB_STOP) != (tb == NO_TAB_STOP)) return tb == NO_TAB_STOP;
        return ta < tb;
    });

    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE));
    const auto font = static_cast<WPARAM>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    std::vector<HWND> windows(form.Controls.size(), nullptr);
    for (std::size_t index : order) {
        const ControlLayout& control = form.Controls[index];
        if (control.Kind == ControlKind::Line) continue;
        const WindowStyle style = Style_Of(control);
        DWORD flags = style.Style;
        if (!control.Enabled) flags |= WS_DISABLED;
        const PixelRect rect = Client_Pixels(form, control, twipsPerPixelX, twipsPerPixelY);
        HWND child = CreateWindowExW(style.ExStyle, style.ClassName,
                                     foundation::Widen(control.Caption).c_str(), flags, rect.Left,
                                     rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top, dialog,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(Control_Id(form, index))),
                                     instance, nullptr);
        if (!child) continue;
        SendMessageW(child, WM_SETFONT, font, FALSE);
        windows[index] = child;
    }
    return windows;
}

HWND Control_Window(const FormLayout& form, const std::vector<HWND>& windows, std::string_view name) {
    for (std::size_t i = 0; i < form.Controls.size() && i < windows.size(); ++i)
        if (form.Controls[i].Name == name) return windows[i];
    return nullptr;
}

}  // namespace slotpad::win32
