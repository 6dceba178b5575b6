#pragma once
// The main window: a sizable frame without minimize and maximize buttons, whose
// messages become the events of MainWindowEvents.

#include <windows.h>

#include <functional>
#include <memory>

#include "slotpad/platform/MainWindow.h"
#include "slotpad/platform/MainWindowEvents.h"
#include "win32/WindowBase.h"

namespace slotpad::win32 {

class Win32MainWindow : public MainWindow, public foundation::WindowBase {
public:
    static constexpr UINT kTrayMessage = WM_APP + 1;
    static constexpr UINT kCaptureMessage = WM_APP + 2;
    // Sent by a second instance to the running one: show your window.
    static constexpr const wchar_t* kShowMessageName = L"SlotPad.ShowWindow";

    Win32MainWindow(HINSTANCE instance, HICON bigIcon, HICON smallIcon);
    ~Win32MainWindow() override;
    Win32MainWindow(const Win32MainWindow&) = delete;
    Win32MainWindow& operator=(const Win32MainWindow&) = delete;

    void SetEvents(MainWindowEvents* events) { events_ = events; }
    // Paints the window's persistent drawing surface into the window's DC.
    void SetPainter(std::function<void(HDC, const RECT&)> painter) { painter_ = std::move(painter); }
    // Runs when another instance asks this one to show itself.
    void SetShowRequestHandler(std::function<void()> handler) { showRequest_ = std::move(handler); }

    // SettingsWindow
    int Left() const override;
    int Top() const override;
    int Width() const override;
    int Height() const override;
    WindowState State() const override;
    bool TopChecked() const override { return topChecked_; }

    // MainWindow
    void Place(const TwipsRect& frame) override;
    void SetHeight(int twips) override;
    void SetTopChecked(bool checked) override { topChecked_ = checked; }
    void Show() override;
    void Hide() override;
    bool IsVisible() const override;
    void SetCaption(const std::string& caption) override;
    void SetTopmost(bool topmost) override;
    void HideFromTaskList() override;
    int ClientWidth() const override;
    int ClientHeight() const override;
    void BringToForeground() override;
    void PostUserMessage() override;
    void CapturePointer() override;
    void ReleasePointer() override;
    void StartTimer(int intervalMs) override;
    bool PostCapture() override;
    void Unload() override;

private:
    class TaskListOwner;

    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    RECT WindowRectPx() const;
    void MoveTo(const RECT& px);
    int TwipsX() const;
    int TwipsY() const;

    std::unique_ptr<TaskListOwner> taskListOwner_;
    MainWindowEvents* events_ = nullptr;
    std::function<void(HDC, const RECT&)> painter_;
    std::function<void()> showRequest_;
    bool topChecked_ = false;
    UINT taskbarCreated_ = 0;
    UINT showRequestMessage_ = 0;
};

}  // namespace slotpad::win32
