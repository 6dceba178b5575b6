#pragma once
// The Options dialog's window: a modeless dialog made at first use from the design,
// owned by the main window, shown in a modal loop of its own and only hidden between
// openings, so that the logic can fill its controls before it shows.

#include <windows.h>

#include <vector>

#include "slotpad/platform/OptionsWindow.h"
#include "win32/DialogBase.h"
#include "win32/Handles.h"

namespace slotpad::win32 {

class Win32OptionsWindow : public OptionsWindow, public foundation::DialogBase {
public:
    Win32OptionsWindow(HINSTANCE instance, HWND owner, int twipsPerPixelX, int twipsPerPixelY);

    void Set_News(int index) override;
    int News() const override;
    void Set_Check(OptionsCheckBox box, int value) override;
    int Check(OptionsCheckBox box) const override;
    void Set_Label_Font(OptionsFontLabel label, const FontFace& font) override;
    FontFace Label_Font(OptionsFontLabel label) const override;
    void Set_Label_Caption(OptionsFontLabel label, const std::string& caption) override;
    void Set_Description_Row_Enabled(bool enabled) override;
    void Show_Modal(OptionsEvents& events) override;
    void Hide() override;

    // The dialog and a control by its design name, made if need be; for tests.
    HWND Dialog();
    HWND Control(std::string_view name);

protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    using OwnedFont = foundation::gdi::Owned<HFONT, foundation::gdi::FreeObject>;

    bool Ensure_Created();
    HWND Label_Window(OptionsFontLabel label) const;
    HWND Check_Window(OptionsCheckBox box) const;
    void Command(int id);

    HINSTANCE instance_;
    HWND owner_;
    int tppX_, tppY_;
    std::vector<WORD> template_;
    std::vector<HWND> controls_;
    OwnedFont labelFonts_[2];
    float labelSizes_[2] = {};
    OptionsEvents* events_ = nullptr;
    bool showing_ = false;
    bool placed_ = false;
};

}  // namespace slotpad::win32
