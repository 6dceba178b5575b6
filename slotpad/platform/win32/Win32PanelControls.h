#pragma once
// The tool tip of the panel's rows and the drop bar, as child controls of the main window.

#include <windows.h>

#include "slotpad/platform/PanelControls.h"
#include "win32/WindowBase.h"

namespace slotpad::win32 {

class Win32RowToolTip : public RowToolTip {
public:
    explicit Win32RowToolTip(HWND owner);
    ~Win32RowToolTip() override;
    Win32RowToolTip(const Win32RowToolTip&) = delete;
    Win32RowToolTip& operator=(const Win32RowToolTip&) = delete;

    void Update(const PixelRect& area, const std::string& text) override;
    HWND hwnd() const { return tip_; }

private:
    HWND owner_;
    HWND tip_ = nullptr;
    bool added_ = false;
};

class Win32DropBar : public DropBar, public foundation::WindowBase {
public:
    explicit Win32DropBar(HWND parent);
    ~Win32DropBar() override;
    Win32DropBar(const Win32DropBar&) = delete;
    Win32DropBar& operator=(const Win32DropBar&) = delete;

    void Show(int left, int top, int width) override;
    void MoveTo(int top) override;
    void Hide() override;

private:
    int left_ = 0;
};

}  // namespace slotpad::win32
