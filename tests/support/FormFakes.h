#pragma once
// Recording stand-ins for the desktop around the main form: window, icon, menu, shell,
// viewer control, program identity and screen. The settings file's tests load into and
// save from the same window, program and screen.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "slotpad/platform/Application.h"
#include "slotpad/platform/ClipViewer.h"
#include "slotpad/platform/MainWindow.h"
#include "slotpad/platform/MainWindowEvents.h"
#include "slotpad/platform/PanelControls.h"
#include "slotpad/platform/PopupMenu.h"
#include "slotpad/platform/Shell.h"
#include "slotpad/platform/TrayIcon.h"
#include "slotpad/platform/WorkAreas.h"

namespace slotpad::testing {

// Everything the fakes do, in order, so tests can check sequences ("save before stop").
struct EventLog {
    std::vector<std::string> events;
    void Add(std::string e) { events.push_back(std::move(e)); }
    bool Has(const std::string& e) const {
        for (const auto& x : events) if (x == e) return true;
        return false;
    }
    long IndexOf(const std::string& e) const {
        for (size_t i = 0; i < events.size(); ++i) if (events[i] == e) return static_cast<long>(i);
        return -1;
    }
};

class FormApplication : public Application {
public:
    std::string folder = "C:\\SlotPad";
    std::string Folder() const override { return folder; }
    std::string Title() const override { return "SlotPad"; }
    VersionParts Version() const override { return {1, 0, 8}; }
};

// 15 twips to the pixel is 96 DPI, 12 is 120 DPI. 1280 by 1024 pixels unless a size in
// twips is given (an odd one shows how halves round).
class FormScreen : public Screen {
public:
    int twipsPerPixel = 15;
    int widthTwips = 0, heightTwips = 0;
    int WidthTwips() const override { return widthTwips != 0 ? widthTwips : 1280 * twipsPerPixel; }
    int HeightTwips() const override { return heightTwips != 0 ? heightTwips : 1024 * twipsPerPixel; }
    int TwipsPerPixelX() const override { return twipsPerPixel; }
    int TwipsPerPixelY() const override { return twipsPerPixel; }
};

// A window whose client height follows its outer height (30 pixels of frame), in
// twips at the screen's factor.
class FormWindow : public MainWindow {
public:
    explicit FormWindow(EventLog& log) : log_(log) {}
    // Sets the factor and the design size (262 by 485 pixels) in it.
    void SetTwipsPerPixel(int factor) {
        twipsPerPixel = factor;
        width = 262 * factor;
        height = 485 * factor;
    }
    int twipsPerPixel = 15;
    int left = 0, top = 0, width = 262 * 15, height = 485 * 15;
    bool visible = false, topChecked = false, topmost = false, hiddenFromTaskList = false, unloaded = false;
    WindowState state = WindowState::Normal;
    std::string caption = "SlotPad (design)";
    static constexpr int kFramePx = 30;
    int timerIntervalMs = 0;  // 0: no timer started

    int Left() const override { return left; }
    int Top() const override { return top; }
    int Width() const override { return width; }
    int Height() const override { return height; }
    void Place(const TwipsRect& frame) override {
        left = frame.Left;
        top = frame.Top;
        width = frame.Width;
        height = frame.Height;
        ++placements;
    }
    void SetHeight(int v) override { height = v; }
    WindowState State() const override { return state; }
    bool TopChecked() const override { return topChecked; }
    void SetTopChecked(bool v) override {
        topChecked = v;
        ++topCheckSets;
    }
    int placements = 0, topCheckSets = 0;

    void Show() override { visible = true; log_.Add("show"); }
    void Hide() override { visible = false; log_.Add("hide"); }
    bool IsVisible() const override { return visible; }
    void SetCaption(const std::string& c) override { caption = c; }
    void SetTopmost(bool t) override { topmost = t; log_.Add(t ? "topmost" : "notopmost"); }
    void HideFromTaskList() override { hiddenFromTaskList = true; }
    int ClientWidth() const override { return width / twipsPerPixel - 8; }
    int ClientHeight() const override { return height / twipsPerPixel - kFramePx; }
    void BringToForeground() override { log_.Add("foreground"); }
    void PostUserMessage() override { log_.Add("post WM_USER"); }
    bool captured = false;
    void CapturePointer() override { captured = true; }
    void ReleasePointer() override { captured = false; }
    void StartTimer(int intervalMs) override { timerIntervalMs = intervalMs; }
    bool PostCapture() override {
        ++postedCaptures;
        return true;
    }
    // What the message loop does with the posted captures once the window is idle.
    void DeliverPosted(MainWindowEvents& events) {
        for (; postedCaptures > 0; --postedCaptures) events.Capture_Posted();
    }
    int postedCaptures = 0;
    void Unload() override { unloaded = true; log_.Add("unload"); }

private:
    EventLog& log_;
};

class FakeTray : public TrayIcon {
public:
    explicit FakeTray(EventLog& log) : log_(log) {}
    std::string tip;
    bool shown = false;
    std::vector<std::string> balloons;
    bool Add(const std::string& t) override { tip = t; shown = true; log_.Add("icon add"); return true; }
    bool Delete() override { shown = false; log_.Add("icon delete"); return true; }
    void ShowBalloon(const std::string& title, const std::string& text) override { balloons.push_back(title + ": " + text); }

private:
    EventLog& log_;
};

class FakeMenu : public PopupMenu {
public:
    explicit FakeMenu(EventLog& log) : log_(log) {}
    std::vector<MenuEntry> lastEntries;
    int lastDefault = 0;
    std::optional<int> choice;
    std::function<void()> whileOpen;  // runs while the menu "waits for the user"
    std::optional<int> Show(const std::vector<MenuEntry>& entries, int defaultId) override {
        lastEntries = entries;
        lastDefault = defaultId;
        log_.Add("menu");
        if (whileOpen) whileOpen();
        return choice;
    }
    bool Visible(int id) const {
        for (const auto& e : lastEntries) if (e.Id == id) return e.Visible;
        return false;
    }

private:
    EventLog& log_;
};

class FakeShell : public Shell {
public:
    explicit FakeShell(EventLog& log) : log_(log) {}
    std::string openedHelp;
    void SendF1() override { log_.Add("send F1"); }
    void OpenHelp(const std::string& file) override { openedHelp = file; }

private:
    EventLog& log_;
};

// One monitor as large as FormScreen, with a taskbar of 40 pixels at the bottom.
class FakeWorkAreas : public WorkAreas {
public:
    std::vector<TwipsRect> areas{{0, 0, 1280 * 15, 984 * 15}};
    std::vector<TwipsRect> MonitorWorkAreas() const override { return areas; }
};

class FakeViewer : public ClipViewer {
public:
    explicit FakeViewer(EventLog& log) : log_(log) {}
    bool viewing = false;
    // What joining the chain does: a notification of the clipboard as it is.
    std::function<void()> onJoin;
    void StartViewer() override {
        viewing = true;
        log_.Add("start viewer");
        if (onJoin) onJoin();
    }
    void StopViewer() override { viewing = false; log_.Add("stop viewer"); }

private:
    EventLog& log_;
};

class FakeToolTip : public RowToolTip {
public:
    PixelRect area;
    std::string text;
    void Update(const PixelRect& a, const std::string& t) override {
        area = a;
        text = t;
    }
};

class FakeDropBar : public DropBar {
public:
    bool shown = false;
    int left = 0, top = 0, width = 0, moves = 0;
    void Show(int l, int t, int w) override {
        shown = true;
        left = l;
        top = t;
        width = w;
    }
    void MoveTo(int t) override {
        top = t;
        ++moves;
    }
    void Hide() override { shown = false; }
};

}  // namespace slotpad::testing
