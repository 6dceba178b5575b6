#pragma once
// The Edit Selection dialog's window: a sizable dialog owned by the main window, made at
// its first showing and afterwards only hidden, so it keeps the size and place the user
// gave it. Its modal loop runs here rather than in DialogBox, which would destroy it.

#include <windows.h>

#include <string>

#include "slotpad/platform/EditSelWindow.h"
#include "win32/DialogBase.h"

namespace slotpad::win32 {

class Win32EditSelWindow final : public EditSelWindow, private foundation::DialogBase {
public:
    // Control ids; Cancel is IDCANCEL so that Esc presses it. OK is not IDOK: the dialog has
    // no default button, so Enter in the description box presses nothing.
    static constexpr int kEditingId = 1001;
    static constexpr int kTipBackId = 1002;
    static constexpr int kLabel1Id = 1003;
    static constexpr int kTipId = 1004;
    static constexpr int kOKButtonId = 1005;
    static constexpr int kCancelButtonId = IDCANCEL;

    Win32EditSelWindow(HINSTANCE instance, HWND owner);
    ~Win32EditSelWindow() override;

    void Set_Text(EditSelControl box, const std::string& text) override;
    std::string Text(EditSelControl box) const override;
    int Client_Width() const override;
    int Client_Height() const override;
    void Place(EditSelControl control, const TwipsRect& rect) override;
    void Show_Modal(EditSelEvents& events) override;
    void Hide() override;

    // The dialog, null before its first showing.
    HWND Dialog() const { return hwnd(); }
    HWND Control(EditSelControl control) const;

private:
    BOOL OnInitDialog() override;
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool Create();
    void RunModalLoop();
    // The edit boxes ask before every edit that could lengthen them.
    static LRESULT CALLBACK BoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                    DWORD_PTR self);
    LRESULT HandleBoxMessage(HWND box, EditSelControl which, UINT message, WPARAM wParam, LPARAM lParam);
    bool Allows(HWND box, EditSelControl which, const std::wstring& inserted);

    HINSTANCE instance_;
    HWND owner_;
    EditSelEvents* events_ = nullptr;
    HWND controls_[6] = {};
};

}  // namespace slotpad::win32
