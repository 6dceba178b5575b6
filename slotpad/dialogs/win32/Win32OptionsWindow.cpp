#include "slotpad/dialogs/win32/Win32OptionsWindow.h"

#include "slotpad/dialogs/OptionsLayout.h"
#include "slotpad/dialogs/win32/FontFaces.h"
#include "slotpad/dialogs/win32/LayoutDialog.h"

namespace slotpad::win32 {

namespace {

const char* const NEWS[] = {"News(0)", "News(1)", "News(2)"};

std::size_t Index_Of(OptionsFontLabel label) { return label == OptionsFontLabel::FontLabel ? 0 : 1; }

}  // namespace

Win32OptionsWindow::Win32OptionsWindow(HINSTANCE instance, HWND owner, int twipsPerPixelX, int twipsPerPixelY)
    : instance_(instance), owner_(owner), tppX_(twipsPerPixelX), tppY_(twipsPerPixelY) {}

bool Win32OptionsWindow::Ensure_Created() {
    if (hwnd_) return true;
    template_ = Empty_Dialog_Template(OptionsLayout);
    if (!CreateModeless(instance_, reinterpret_cast<const DLGTEMPLATE*>(template_.data()), owner_)) return false;
    controls_ = Create_Controls(hwnd_, OptionsLayout, tppX_, tppY_);
    return true;
}

HWND Win32OptionsWindow::Dialog() {
    Ensure_Created();
    return hwnd_;
}

HWND Win32OptionsWindow::Control(std::string_view name) {
    Ensure_Created();
    return Control_Window(OptionsLayout, controls_, name);
}

HWND Win32OptionsWindow::Label_Window(OptionsFontLabel label) const {
    return Control_Window(OptionsLayout, controls_, label == OptionsFontLabel::FontLabel ? "FontLabel" : "ToolLabel");
}

HWND Win32OptionsWindow::Check_Window(OptionsCheckBox box) const {
    switch (box) {
        case OptionsCheckBox::cDelWarn: return Control_Window(OptionsLayout, controls_, "cDelWarn");
        case OptionsCheckBox::cCase: return Control_Window(OptionsLayout, controls_, "cCase");
        case OptionsCheckBox::cToolTip: return Control_Window(OptionsLayout, controls_, "cToolTip");
    }
    return nullptr;
}

void Win32OptionsWindow::Set_News(int index) {
    if (!Ensure_Created()) return;
    for (int i = 0; i < 3; ++i)
        SendMessageW(Control(NEWS[i]), BM_SETCHECK, i == index ? BST_CHECKED : BST_UNCHECKED, 0);
}

int Win32OptionsWindow::News() const {
    for (int i = 0; i < 3; ++i)
        if (SendMessageW(Control_Window(OptionsLayout, controls_, NEWS[i]), BM_GETCHECK, 0, 0) == BST_CHECKED)
            return i;
    return 2;
}

void Win32OptionsWindow::Set_Check(OptionsCheckBox box, int value) {
    if (!Ensure_Created()) return;
    SendMessageW(Check_Window(box), BM_SETCHECK, value == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
}

int Win32OptionsWindow::Check(OptionsCheckBox box) const {
    return SendMessageW(Check_Window(box), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void Win32OptionsWindow::Set_Label_Font(OptionsFontLabel label, const FontFace& font) {
    if (!Ensure_Created()) return;
    const LOGFONTA logical = Logical_Font(font, Screen_Pixels_Per_Inch_Y());
    OwnedFont made(CreateFontIndirectA(&logical));
    if (!made) return;
    const std::size_t i = Index_Of(label);
    SendMessageW(Label_Window(label), WM_SETFONT, reinterpret_cast<WPARAM>(made.get()), TRUE);
    // The label draws with the new font from now on; the old one may go.
    labelFonts_[i] = std::move(made);
    labelSizes_[i] = font.Size;
}

FontFace Win32OptionsWindow::Label_Font(OptionsFontLabel label) const {
    const std::size_t i = Index_Of(label);
    HWND window = Label_Window(label);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    return Realised_Face(window, font, labelSizes_[i], Screen_Pixels_Per_Inch_Y());
}

void Win32OptionsWindow::Set_Label_Caption(OptionsFontLabel label, const std::string& caption) {
    if (!Ensure_Created()) return;
    SetWindowTextA(Label_Window(label), caption.c_str());
}

void Win32OptionsWindow::Set_Description_Row_Enabled(bool enabled) {
    if (!Ensure_Created()) return;
    for (const char* name : {"ToolLabel", "ToolButton", "DescLabel"}) EnableWindow(Control(name), enabled);
}

void Win32OptionsWindow::Show_Modal(OptionsEvents& events) {
    if (showing_ || !Ensure_Created()) return;
    if (!placed_) {
        // Centred on the work area at the first opening; where the user moves it, it stays.
        RECT work{}, frame{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        GetWindowRect(hwnd_, &frame);
        SetWindowPos(hwnd_, nullptr, work.left + ((work.right - work.left) - (frame.right - frame.left)) / 2,
                     work.top + ((work.bottom - work.top) - (frame.bottom - frame.top)) / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        placed_ = true;
    }
    events_ = &events;
    showing_ = true;
    const bool ownerWasEnabled = owner_ && IsWindowEnabled(owner_);
    if (ownerWasEnabled) EnableWindow(owner_, FALSE);
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    if (const ControlLayout* first = First_Focus(OptionsLayout))
        SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(first->Name)), TRUE);

    MSG message{};
    while (showing_ && hwnd_) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            // The program is ending: the loop that waits for WM_QUIT must see it too.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got < 0) break;
        if (!IsDialogMessageW(hwnd_, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    showing_ = false;
    events_ = nullptr;
    if (ownerWasEnabled) EnableWindow(owner_, TRUE);
    if (hwnd_ && IsWindowVisible(hwnd_)) ShowWindow(hwnd_, SW_HIDE);
}

void Win32OptionsWindow::Hide() {
    if (!hwnd_) return;
    // The owner takes the activation back only when it is enabled before the dialog goes.
    if (showing_ && owner_) EnableWindow(owner_, TRUE);
    showing_ = false;
    ShowWindow(hwnd_, SW_HIDE);
}

void Win32OptionsWindow::Command(int id) {
    if (!events_) return;
    const auto is = [&](std::string_view name) { return Control_Window(OptionsLayout, controls_, name) == GetDlgItem(hwnd_, id); };
    if (id == IDCANCEL) {
        events_->CancelButton_Click();
    } else if (id == IDOK) {
        // Enter with no default button: nothing happens.
    } else if (is("OKButton")) {
        events_->OKButton_Click();
    } else if (is("FontButton")) {
        events_->FontButton_Click();
    } else if (is("ToolButton")) {
        events_->ToolButton_Click();
    } else if (is("cToolTip")) {
        events_->cToolTip_Click();
    }
}

INT_PTR Win32OptionsWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) Command(LOWORD(wParam));
            return TRUE;
        case WM_CLOSE:
            // The close box counts as Cancel.
            if (events_)
                events_->CancelButton_Click();
            else
                Hide();
            return TRUE;
        default: return FALSE;
    }
}

}  // namespace slotpad::win32
