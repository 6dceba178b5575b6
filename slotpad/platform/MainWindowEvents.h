#pragma once
// What the main window reports to the program's logic. Pointer coordinates are client
// pixels; Button is 1 left, 2 right, 4 middle; Shift is 1 Shift, 2 Ctrl, 4 Alt.

namespace slotpad {

enum class CloseReason {
    User,      // the close box, the system menu or Alt+F4
    Other,     // a close asked by another program or the task manager
    Shutdown,  // the session ends
};

class MainWindowEvents {
public:
    virtual ~MainWindowEvents() = default;
    // Returns true to refuse the close.
    virtual bool Form_QueryUnload(CloseReason reason) = 0;
    virtual void Form_Resize() = 0;
    // The pointer anywhere on the client area; the program decides which of its parts
    // (the panel or the overlay over a row's text) it concerns.
    virtual void Pointer_Down(int Button, int Shift, int X, int Y) = 0;
    virtual void Pointer_Move(int Button, int Shift, int X, int Y) = 0;
    virtual void Pointer_Up(int Button, int Shift, int X, int Y) = 0;
    virtual void Pointer_DblClick(int X, int Y) = 0;
    // The window lost the pointer while a button was held (another window took it, a
    // menu opened, Alt+Tab): no release will come for that press.
    virtual void Pointer_Cancelled() = 0;
    virtual void Form_KeyDown(int KeyCode, int Shift) = 0;
    // A mouse message (WM_LBUTTONDBLCLK, WM_RBUTTONUP, ...) on the notification icon.
    virtual void Tray_Notify(int message) = 0;
    // The taskbar was re-created and the icon must be added again.
    virtual void Tray_Recreated() = 0;
    virtual void Sys_SysColorsChanged() = 0;
    virtual void Clip_NewClipboardElement() = 0;
    virtual void Timer_Tick() = 0;
    virtual void Capture_Posted() = 0;
};

}  // namespace slotpad
