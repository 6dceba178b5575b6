#pragma once
// The base of our dialogs, modal or modeless, from a resource or from a template built in
// memory: the dialog procedure is bound to HandleMessage through WM_INITDIALOG's lParam,
// behind the same exception barrier as every window procedure.

#include <windows.h>

namespace foundation {

class DialogBase {
public:
    DialogBase(const DialogBase&) = delete;
    DialogBase& operator=(const DialogBase&) = delete;

    HWND hwnd() const { return hwnd_; }

    // Runs the dialog until EndDialog; its result, or -1 when the dialog could not be made.
    INT_PTR RunModal(HINSTANCE instance, const wchar_t* resource, HWND owner);
    INT_PTR RunModal(HINSTANCE instance, const DLGTEMPLATE* dialogTemplate, HWND owner);
    // Creates the dialog and returns; null (with the failure reported) when it cannot be made.
    HWND CreateModeless(HINSTANCE instance, const wchar_t* resource, HWND owner);
    HWND CreateModeless(HINSTANCE instance, const DLGTEMPLATE* dialogTemplate, HWND owner);

protected:
    DialogBase() = default;
    // A modeless dialog still open is destroyed.
    virtual ~DialogBase();

    // WM_INITDIALOG: TRUE lets the dialog manager set the focus.
    virtual BOOL OnInitDialog() { return TRUE; }
    // Every other message; TRUE when handled.
    virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Ends a modal dialog with `result`, or destroys a modeless one.
    void End(INT_PTR result);

    HWND hwnd_ = nullptr;

private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    bool modal_ = false;
};

}  // namespace foundation
