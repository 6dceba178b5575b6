// The Options and About windows as the dialog manager runs them: rectangles and Tab
// order from the designs, Esc and the close box, the description row, the About texts.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "slotpad/dialogs/About.h"
#include "slotpad/dialogs/AboutLayout.h"
#include "slotpad/dialogs/Options.h"
#include "slotpad/dialogs/OptionsLayout.h"
#include "slotpad/dialogs/win32/LayoutDialog.h"
#include "slotpad/dialogs/win32/Win32AboutWindow.h"
#include "slotpad/dialogs/win32/Win32OptionsWindow.h"
#include "slotpad/platform/win32/Win32Application.h"
#include "tests/support/AboutServiceFakes.h"
#include "tests/support/DialogWindowFakes.h"

namespace slotpad {
namespace {

class RecordingEvents : public OptionsEvents {
public:
    explicit RecordingEvents(win32::Win32OptionsWindow& w) : window(w) {}
    void OKButton_Click() override { log += "ok "; window.Hide(); }
    void CancelButton_Click() override { log += "cancel "; window.Hide(); }
    void FontButton_Click() override { log += "font "; }
    void ToolButton_Click() override { log += "tool "; }
    void cToolTip_Click() override { log += "tooltip "; }
    win32::Win32OptionsWindow& window;
    std::string log;
};

RECT Client_Rect_Of(HWND dialog, HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class OptionsWindowTest : public ::testing::Test {
protected:
    win32::Win32Screen screen;
    win32::Win32OptionsWindow window{GetModuleHandleW(nullptr), nullptr, screen.TwipsPerPixelX(),
                                     screen.TwipsPerPixelY()};
    // Runs `action` once the modal loop is up.
    void Show_And(RecordingEvents& events, void (*action)(HWND dialog)) {
        HWND dialog = window.Dialog();
        static void (*pending)(HWND) = nullptr;
        static HWND target = nullptr;
        pending = action;
        target = dialog;
        SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
            KillTimer(nullptr, id);
            pending(target);
        });
        window.Show_Modal(events);
    }
};

TEST_F(OptionsWindowTest, ControlsSitWhereTheDesignPutsThemAndTabFollowsItsOrder) {
    HWND dialog = window.Dialog();
    ASSERT_TRUE(dialog);
    const int tx = screen.TwipsPerPixelX(), ty = screen.TwipsPerPixelY();
    for (const ControlLayout& control : OptionsLayout.Controls) {
        HWND child = window.Control(control.Name);
        ASSERT_TRUE(child) << control.Name;
        const PixelRect want = win32::Client_Pixels(OptionsLayout, control, tx, ty);
        const RECT got = Client_Rect_Of(dialog, child);
        EXPECT_EQ(got.left, want.Left) << control.Name;
        EXPECT_EQ(got.top, want.Top) << control.Name;
        EXPECT_EQ(got.right, want.Right) << control.Name;
        EXPECT_EQ(got.bottom, want.Bottom) << control.Name;
    }
    RECT client{};
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, Twips_To_Pixels(OptionsLayout.ClientWidth, tx));
    EXPECT_EQ(client.bottom, Twips_To_Pixels(OptionsLayout.ClientHeight, ty));
    char caption[64] = {};
    GetWindowTextA(dialog, caption, sizeof caption);
    EXPECT_STREQ(caption, "SlotPad Options");

    // Tab stops in design order; the option group is one stop.
    const char* const order[] = {"CancelButton", "OKButton", "News(0)", "cDelWarn", "cCase",
                                 "FontButton", "ToolButton", "cToolTip", "CancelButton"};
    HWND at = window.Control(order[0]);
    for (std::size_t i = 1; i < std::size(order); ++i) {
        at = GetNextDlgTabItem(dialog, at, FALSE);
        EXPECT_EQ(at, window.Control(order[i])) << "after " << order[i - 1];
    }
}

TEST_F(OptionsWindowTest, EscAndTheCloseBoxCountAsCancel) {
    RecordingEvents events(window);
    Show_And(events, [](HWND dialog) {
        HWND focus = GetFocus();
        PostMessageW(focus ? focus : dialog, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_EQ(events.log, "cancel ");
    EXPECT_FALSE(IsWindowVisible(window.Dialog()));
    Show_And(events, [](HWND dialog) { PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); });
    EXPECT_EQ(events.log, "cancel cancel ");
    Show_And(events, [](HWND dialog) {
        HWND focus = GetFocus();
        PostMessageW(focus ? focus : dialog, WM_KEYDOWN, VK_RETURN, 0);
        PostMessageW(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_EQ(events.log, "cancel cancel cancel ") << "Enter presses no default button";
}

TEST_F(OptionsWindowTest, UncheckingPrintDescriptionGreysTheDescriptionRowOnly) {
    testing::ScriptedFontChooser fonts;
    testing::FixedNumberFormat numbers;
    Options options(window, fonts, numbers);
    OptionValues values;
    values.PrintDesc = VB_TRUE;
    options.Fill_Controls(values);
    EXPECT_TRUE(IsWindowEnabled(window.Control("ToolButton")));
    SendMessageW(window.Control("cToolTip"), BM_CLICK, 0, 0);  // no events outside a showing
    window.Set_Check(OptionsCheckBox::cToolTip, 0);
    options.cToolTip_Click();
    for (const char* name : {"ToolLabel", "ToolButton", "DescLabel"})
        EXPECT_FALSE(IsWindowEnabled(window.Control(name))) << name;
    for (const char* name : {"Labels", "FontLabel", "FontButton"})
        EXPECT_TRUE(IsWindowEnabled(window.Control(name))) << name;
    FontFace face{"Times New Roman", 12, false, false, false};
    window.Set_Label_Font(OptionsFontLabel::FontLabel, face);
    EXPECT_EQ(window.Label_Font(OptionsFontLabel::FontLabel).Size, 12.0f);
}

TEST(AboutWindow, TextsReadBackFromTheDialogsWindows) {
    win32::Win32Screen screen;
    win32::Win32AboutWindow window(GetModuleHandleW(nullptr), LoadIconA(nullptr, IDI_APPLICATION),
                                   screen.TwipsPerPixelX(), screen.TwipsPerPixelY());
    testing::FixedApplication app;
    testing::FixedVersionResource version;
    testing::MemoryRegistry registry;
    testing::FakeProgramStarter starter;
    testing::RecordingMessageBoxes messages;
    frmAbout about(window, app, version, registry, starter, messages);
    std::string caption, title, versionText, disclaimer;
    window.Set_Shown_Hook([&](win32::Win32AboutWindow& w) {
        char text[256] = {};
        GetWindowTextA(GetParent(w.Control("cmdOK")), text, sizeof text);
        caption = text;
        GetWindowTextA(w.Control("lblTitle"), text, sizeof text);
        title = text;
        GetWindowTextA(w.Control("lblVersion"), text, sizeof text);
        versionText = text;
        GetWindowTextA(w.Control("lblDisclaimer"), text, sizeof text);
        disclaimer = text;
        SendMessageW(GetParent(w.Control("cmdOK")), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    about.Show_About();
    EXPECT_EQ(caption, "About SlotPad");
    EXPECT_EQ(title, "SlotPad - Clipboard Viewer/Editor");
    EXPECT_EQ(versionText, "Version 1.0.8");
    EXPECT_EQ(disclaimer, "Developed by: SlotPad\r\nBuild Date: June 5, 1999");
}

}  // namespace
}  // namespace slotpad
