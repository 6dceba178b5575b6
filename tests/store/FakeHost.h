#pragma once
// A main window, program and screen for loading and saving without any real window.

#include <string>

#include "slotpad/platform/Application.h"
#include "slotpad/platform/SettingsWindow.h"

namespace slotpad::fixture {

class FakeWindow final : public SettingsWindow {
public:
    int L = 0, T = 0, W = 3600, H = 2400;
    WindowState S = WindowState::Normal;
    bool OnTop = false;
    int OnTopSets = 0;

    int Left() const override { return L; }
    int Top() const override { return T; }
    int Width() const override { return W; }
    int Height() const override { return H; }
    void SetLeft(int v) override { L = v; }
    void SetTop(int v) override { T = v; }
    void SetWidth(int v) override { W = v; }
    void SetHeight(int v) override { H = v; }
    WindowState State() const override { return S; }
    bool TopChecked() const override { return OnTop; }
    void SetTopChecked(bool v) override {
        OnTop = v;
        ++OnTopSets;
    }
};

class FakeApplication final : public Application {
public:
    std::string FolderPath = "C:\\Program Files\\SlotPad";
    std::string Folder() const override { return FolderPath; }
    std::string Title() const override { return "SlotPad"; }
    VersionParts Version() const override { return {1, 0, 50}; }
};

class FakeScreen final : public Screen {
public:
    int W = 19201, H = 14399;  // odd, so that the halves round toward zero
    int WidthTwips() const override { return W; }
    int HeightTwips() const override { return H; }
    int TwipsPerPixelX() const override { return 15; }
    int TwipsPerPixelY() const override { return 15; }
};

inline const std::string INI_PATH = "C:\\Program Files\\SlotPad\\SlotPad.ini";

}  // namespace slotpad::fixture
