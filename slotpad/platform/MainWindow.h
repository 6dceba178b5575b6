#pragma once
// The program's main window as its logic sees it: geometry in twips (through
// SettingsWindow), the client area in pixels, visibility, caption and z-order.

#include <string>

#include "slotpad/platform/SettingsWindow.h"
#include "slotpad/platform/TwipsRect.h"

namespace slotpad {

class MainWindow : public SettingsWindow {
public:
    // Moves and sizes the window's outer rectangle, in twips of the screen, at once.
    virtual void Place(const TwipsRect& frame) = 0;
    // The outer height in twips; position and width stay.
    virtual void SetHeight(int twips) = 0;
    virtual void SetTopChecked(bool checked) = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual bool IsVisible() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    // Always on top (HWND_TOPMOST) or not (HWND_NOTOPMOST); size and position stay.
    virtual void SetTopmost(bool topmost) = 0;
    // Removes the window's taskbar button.
    virtual void HideFromTaskList() = 0;
    virtual int ClientWidth() const = 0;   // pixels
    virtual int ClientHeight() const = 0;  // pixels
    // Around the notification icon's pop-up menu: the window must be in the foreground
    // while the menu is open, and a message posted after it closes ends the menu mode.
    virtual void BringToForeground() = 0;
    virtual void PostUserMessage() = 0;
    // Pointer events keep coming to the window while a button is held, wherever the
    // pointer goes.
    virtual void CapturePointer() = 0;
    virtual void ReleasePointer() = 0;
    // Posts a message that comes back as MainWindowEvents::Capture_Posted once the window
    // has handled what reached it before. False when it could not be posted.
    virtual bool PostCapture() = 0;
    // From now on MainWindowEvents::Timer_Tick comes every `intervalMs`.
    virtual void StartTimer(int intervalMs) = 0;
    // Destroys the window; the program ends once its message loop sees that.
    virtual void Unload() = 0;
};

}  // namespace slotpad
