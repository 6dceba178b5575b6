#pragma once
// A stand-in for the main window, shared by the native panel tests and the pixel tests
// under Wine: a window whose client area follows the outer height it is given, and that
// raises its resize event again when the height changes, as a real one does. The screen
// is the form tests' one.

#include <algorithm>
#include <functional>
#include <string>

#include "slotpad/platform/Application.h"
#include "slotpad/platform/MainWindow.h"
#include "tests/support/FormFakes.h"

namespace slotpad::testing {

class FakeMainWindow : public MainWindow {
public:
    explicit FakeMainWindow(const FormScreen& screen) : screen_(screen) {}

    int clientWidth = 232;
    int clientHeight = 455;
    int nonClientPixels = 30;      // title bar and borders
    int minimumClientHeight = 0;   // what the platform's minimum window height leaves
    WindowState state = WindowState::Normal;
    int setHeightCalls = 0;
    int lastHeightTwips = 0;
    std::function<void()> onResize;  // the window's resize event

    int NonClientTwips() const { return nonClientPixels * screen_.twipsPerPixel; }

    int Left() const override { return 0; }
    int Top() const override { return 0; }
    int Width() const override { return clientWidth * screen_.twipsPerPixel; }
    int Height() const override { return (clientHeight + nonClientPixels) * screen_.twipsPerPixel; }
    void Place(const TwipsRect&) override {}
    void SetHeight(int twips) override {
        ++setHeightCalls;
        lastHeightTwips = twips;
        const int client = std::max(minimumClientHeight, twips / screen_.twipsPerPixel - nonClientPixels);
        if (client == clientHeight) return;
        clientHeight = client;
        if (onResize) onResize();
    }
    WindowState State() const override { return state; }
    bool TopChecked() const override { return false; }
    void SetTopChecked(bool) override {}

    void Show() override {}
    void Hide() override {}
    bool IsVisible() const override { return true; }
    void SetCaption(const std::string&) override {}
    void SetTopmost(bool) override {}
    void HideFromTaskList() override {}
    int ClientWidth() const override { return clientWidth; }
    int ClientHeight() const override { return clientHeight; }
    void BringToForeground() override {}
    void PostUserMessage() override {}
    void StartTimer(int) override {}
    bool PostCapture() override { return true; }
    void CapturePointer() override {}
    void ReleasePointer() override {}
    void Unload() override {}

private:
    const FormScreen& screen_;
};

}  // namespace slotpad::testing
