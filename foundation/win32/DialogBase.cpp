#include "win32/DialogBase.h"

#include "win32/Failure.h"

namespace foundation {

namespace {

INT_PTR ReportedModalResult(INT_PTR result) {
    if (result == -1) ReportFailure(FailureMessage("DialogBoxParamW", HRESULT_FROM_WIN32(GetLastError())));
    return result;
}

HWND ReportedModeless(HWND dialog) {
    if (!dialog) ReportFailure(FailureMessage("CreateDialogParamW", HRESULT_FROM_WIN32(GetLastError())));
    return dialog;
}

}  // namespace

DialogBase::~DialogBase() {
    if (hwnd_ && !modal_) {
        SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
        DestroyWindow(hwnd_);
    }
}

INT_PTR DialogBase::RunModal(HINSTANCE instance, const wchar_t* resource, HWND owner) {
    modal_ = true;
    return ReportedModalResult(
        DialogBoxParamW(instance, resource, owner, &DialogProc, reinterpret_cast<LPARAM>(this)));
}

INT_PTR DialogBase::RunModal(HINSTANCE instance, const DLGTEMPLATE* dialogTemplate, HWND owner) {
    modal_ = true;
    return ReportedModalResult(
        DialogBoxIndirectParamW(instance, dialogTemplate, owner, &DialogProc, reinterpret_cast<LPARAM>(this)));
}

HWND DialogBase::CreateModeless(HINSTANCE instance, const wchar_t* resource, HWND owner) {
    modal_ = false;
    return ReportedModeless(
        CreateDialogParamW(instance, resource, owner, &DialogProc, reinterpret_cast<LPARAM>(this)));
}

HWND DialogBase::CreateModeless(HINSTANCE instance, const DLGTEMPLATE* dialogTemplate, HWND owner) {
    modal_ = false;
    return ReportedModeless(
        CreateDialogIndirectParamW(instance, dialogTemplate, owner, &DialogProc, reinterpret_cast<LPARAM>(this)));
}

INT_PTR DialogBase::HandleMessage(UINT, WPARAM, LPARAM) { return FALSE; }

void DialogBase::End(INT_PTR result) {
    if (!hwnd_) return;
    if (modal_)
        EndDialog(hwnd_, result);
    else
        DestroyWindow(hwnd_);
}

INT_PTR CALLBACK DialogBase::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<DialogBase*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<DialogBase*>(lParam);
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        if (!self) return TRUE;
        self->hwnd_ = dialog;
        return WindowBarrier(
            "a dialog procedure", [&] { return static_cast<LRESULT>(self->OnInitDialog()); }, TRUE);
    }
    if (!self) return FALSE;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(dialog, DWLP_USER, 0);
        self->hwnd_ = nullptr;
        return FALSE;
    }
    return WindowBarrier(
        "a dialog procedure", [&] { return static_cast<LRESULT>(self->HandleMessage(message, wParam, lParam)); },
        FALSE);
}

}  // namespace foundation
