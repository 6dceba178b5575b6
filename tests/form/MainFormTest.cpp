// Start-up, the notification icon and its menu, closing to the notification area and
// the exit sequence, on recording fakes of the desktop.

#include <gtest/gtest.h>

#include "tests/form/FormDesktop.h"

namespace slotpad::testing {
namespace {

constexpr int WM_LBUTTONDBLCLK = 0x203;
constexpr int WM_RBUTTONDOWN = 0x204;
constexpr int WM_RBUTTONUP = 0x205;
const std::string kIniPath = "C:\\SlotPad\\SlotPad.ini";

class MainFormTest : public ::testing::Test, protected FormDesktop {
protected:
    static std::vector<std::string> Texts(const SlotList& l) {
        std::vector<std::string> out;
        for (int16_t n = l.HeadNode, i = 0; i <= l.LastPos && n != NIL_NODE; ++i, n = l.Nodes[n].NextNode)
            out.push_back(l.Nodes[n].Slot.Text);
        return out;
    }

    // A file saved by an earlier run: two slots, the second current and locked, on top.
    void SaveEarlierRun() {
        EventLog scratchLog;
        FormWindow earlierWindow(scratchLog);
        earlierWindow.left = 1500;
        earlierWindow.top = 3000;
        earlierWindow.topChecked = true;
        SlotList slots;
        int16_t node = 0;
        slots.Insert_Node({VB_FALSE, "first", "first"}, POS_BOTTOM, node);
        slots.Insert_Node({VB_TRUE, "second", "second"}, POS_BOTTOM, node);
        Settings s;
        s.CurSlot = 1;
        s.AddMode = POS_TOP;
        SettingsFile earlier(files, app, screen);
        earlier.SettingsPath = kIniPath;
        ASSERT_TRUE(earlier.Save_Settings(earlierWindow, slots, s));
    }

};

TEST_F(MainFormTest, FirstStartShowsOneBlankSlotCentredAndHiddenInTheNotificationArea) {
    form.Form_Load();

    EXPECT_EQ(tray.tip, "SlotPad 1.0.8");
    EXPECT_TRUE(window.hiddenFromTaskList);
    EXPECT_FALSE(window.visible);
    EXPECT_EQ(window.caption, "SlotPad");
    EXPECT_EQ(form.HelpFile(), "C:\\SlotPad\\SlotPad.hlp");
    EXPECT_EQ(form.List().LastPos, 0);
    EXPECT_EQ(form.List().Nodes[form.List().HeadNode].Slot, SlotRecord{});
    EXPECT_EQ(window.left, (1280 * 15) / 2 - window.width / 2);
    EXPECT_EQ(window.ClientHeight(), 23) << "the height snaps to one row";
    EXPECT_TRUE(log.Has("notopmost"));
    EXPECT_TRUE(viewer.viewing);
    EXPECT_LT(log.IndexOf("icon add"), log.IndexOf("hide"));
    EXPECT_LT(log.IndexOf("hide"), log.IndexOf("start viewer")) << "capture starts last";
}

TEST_F(MainFormTest, StartWithAFileRestoresSlotsPositionAndAlwaysOnTop) {
    SaveEarlierRun();
    form.Form_Load();

    EXPECT_EQ(form.List().LastPos, 1);
    EXPECT_EQ(form.CurrentSettings().CurSlot, 1);
    EXPECT_EQ(form.CurrentSettings().AddMode, POS_TOP);
    EXPECT_EQ(window.left, 1500);
    EXPECT_EQ(window.top, 3000);
    EXPECT_TRUE(window.topChecked);
    EXPECT_TRUE(window.topmost);
    EXPECT_EQ(window.ClientHeight(), 2 * 24 - 1);
}

TEST_F(MainFormTest, UserCloseHidesSavesAndKeepsCapturing) {
    form.Form_Load();
    form.mnuShow_Click();
    clipboard.onChange = [this] {
        form.Clip_NewClipboardElement();
        window.DeliverPosted(form);
    };
    clipboard.CopyFromOutside("copied before closing");

    EXPECT_TRUE(form.Form_QueryUnload(CloseReason::User)) << "the close is refused";
    EXPECT_FALSE(window.visible);
    EXPECT_FALSE(window.unloaded);
    EXPECT_TRUE(tray.shown);
    EXPECT_TRUE(viewer.viewing);
    ASSERT_TRUE(files.Has(kIniPath));

    clipboard.CopyFromOutside("copied while hidden");
    EXPECT_EQ(form.List().Nodes[form.CurrentSettings().CurSlot].Slot.Text, "copied while hidden");

    SettingsFile reread(files, app, screen);
    SlotList slots;
    Settings s;
    reread.Load_From(kIniPath, {}, slots, s);
    EXPECT_EQ(slots.Nodes[slots.HeadNode].Slot.Text, "copied before closing");
}

TEST_F(MainFormTest, EveryOtherCloseSavesStopsCaptureRemovesTheIconAndEnds) {
    for (CloseReason reason : {CloseReason::Other, CloseReason::Shutdown}) {
        files.Files.clear();
        log.events.clear();
        form.Form_Load();
        EXPECT_FALSE(form.Form_QueryUnload(reason));
        EXPECT_TRUE(files.Has(kIniPath));
        EXPECT_FALSE(viewer.viewing);
        EXPECT_FALSE(tray.shown);
        EXPECT_TRUE(window.unloaded);
        EXPECT_LT(log.IndexOf("stop viewer"), log.IndexOf("icon delete"));
        EXPECT_LT(log.IndexOf("icon delete"), log.IndexOf("unload"));
    }
}

TEST_F(MainFormTest, ExitLeavesTheViewerChainBeforeItSavesSoNoCopyIsLost) {
    // The control reports a change only while the program is in the chain.
    clipboard.onChange = [this] {
        if (viewer.viewing) form.Clip_NewClipboardElement();
    };
    for (CloseReason reason : {CloseReason::Other, CloseReason::Shutdown}) {
        files.Files.clear();
        form.Form_Load();
        bool copied = false;
        files.whileWriting = [&](const std::string&) {
            if (copied) return;
            copied = true;
            clipboard.CopyFromOutside("copied during the save");
        };
        EXPECT_FALSE(form.Form_QueryUnload(reason));
        files.whileWriting = nullptr;

        SettingsStore reread(files);
        SlotList slots;
        Settings s;
        reread.Load_From(kIniPath, {}, slots, s);
        EXPECT_EQ(Texts(slots), Texts(form.List())) << "every slot held at the end is in the file";
        EXPECT_EQ(s.CurSlot, form.CurrentSettings().CurSlot);
    }
}

TEST_F(MainFormTest, ExitEndsEvenWhenTheSaveFails) {
    form.Form_Load();
    files.Unwritable.insert(kIniPath);
    // The user's own Exit asks first (Retry or Cancel); once they have no wish to retry
    // and the session ends, nothing keeps the program from ending.
    form.Form_QueryUnload(CloseReason::Shutdown);
    EXPECT_FALSE(viewer.viewing);
    EXPECT_TRUE(window.unloaded);
    EXPECT_TRUE(tray.balloons.empty()) << "the exit path stays silent";
}

TEST_F(MainFormTest, FailedSaveOnCloseIsReportedOnceThroughTheIcon) {
    form.Form_Load();
    files.Unwritable.insert(kIniPath);
    form.Form_QueryUnload(CloseReason::User);
    form.Form_QueryUnload(CloseReason::User);
    ASSERT_EQ(tray.balloons.size(), 1u);
    EXPECT_NE(tray.balloons[0].find(kIniPath), std::string::npos);
    EXPECT_EQ(form.List().LastPos, 0) << "the slots stay in memory";

    files.Unwritable.clear();
    form.Form_QueryUnload(CloseReason::User);
    files.Unwritable.insert(kIniPath);
    form.Form_QueryUnload(CloseReason::User);
    EXPECT_EQ(tray.balloons.size(), 2u) << "a new failure after a good save is told again";
}

TEST_F(MainFormTest, UnreadableFileIsToldOnceAndTheSessionGoesBesideIt) {
    SaveEarlierRun();
    const std::string earlier = files.Files[kIniPath];
    files.Unreadable.insert(kIniPath);
    form.Form_Load();
    ASSERT_EQ(tray.balloons.size(), 1u);
    EXPECT_NE(tray.balloons[0].find(kIniPath), std::string::npos);
    EXPECT_NE(tray.balloons[0].find("another program is using it"), std::string::npos);

    form.Form_QueryUnload(CloseReason::User);
    form.mnuExit_Click();
    EXPECT_EQ(tray.balloons.size(), 1u) << "saving beside the file is no failure";
    EXPECT_EQ(files.Files[kIniPath], earlier);
    EXPECT_TRUE(files.Has(kIniPath + ".new"));
}

TEST_F(MainFormTest, IconDoubleClickShowsTheWindow) {
    form.Form_Load();
    form.Tray_Notify(WM_RBUTTONDOWN);
    EXPECT_FALSE(window.visible);
    form.Tray_Notify(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(window.visible);
}

TEST_F(MainFormTest, IconMenuOffersShowAndHidesTheSlotCommands) {
    form.Form_Load();
    bool nestedShowed = false;
    menu.whileOpen = [&] {
        // Notifications while the menu is open are ignored.
        form.Tray_Notify(WM_LBUTTONDBLCLK);
        nestedShowed = window.visible;
    };
    form.Tray_Notify(WM_RBUTTONUP);

    EXPECT_FALSE(nestedShowed);
    EXPECT_EQ(menu.lastDefault, mnuShow);
    EXPECT_TRUE(menu.Visible(mnuShow));
    for (int id : {mnuEdit, mnuAdd, mnuCopy, mnuClear, mnuDelete, mnuPrint, mnuHyphen2, mnuHelp})
        EXPECT_FALSE(menu.Visible(id)) << id;
    for (int id : {mnuHyphen1, mnuOptions, mnuTop, mnuHyphen3, mnuAbout, mnuHyphen4, mnuExit})
        EXPECT_TRUE(menu.Visible(id)) << id;
    EXPECT_LT(log.IndexOf("foreground"), log.IndexOf("menu"));
    EXPECT_LT(log.IndexOf("menu"), log.IndexOf("post WM_USER"));

    form.Tray_Notify(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(window.visible) << "the guard is released once the menu closed";
}

TEST_F(MainFormTest, MenuForThePanelIsTheReverse) {
    form.Fix_Menu(true);
    const auto& items = form.Menu().Items();
    for (const MenuEntry& e : items) {
        const bool expected = e.Id != mnuShow;
        EXPECT_EQ(e.Visible, expected) << e.Caption;
    }
}

TEST_F(MainFormTest, MenuItemsInOrderWithCaptionsAndShortcuts) {
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"&Show Clipboards", ""}, {"&Edit Selection", ""}, {"-", ""},        {"&Add Slot", "Ctrl+N"},
        {"&Copy Slot", "Ctrl+C"}, {"Clea&r Slot", "Del"},  {"&Delete Slot", "Ctrl+X"},
        {"&Print Slot", "Ctrl+P"}, {"-", ""},              {"&Options...", ""}, {"Always on &Top", ""},
        {"-", ""},                {"&Help", "F1"},         {"About Slot&Pad...", ""}, {"-", ""},
        {"E&xit SlotPad", ""}};
    const auto& items = form.Menu().Items();
    ASSERT_EQ(items.size(), expected.size());
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].Caption, expected[i].first);
        EXPECT_EQ(items[i].Shortcut, expected[i].second);
    }
}

TEST_F(MainFormTest, AlwaysOnTopFromTheMenuTogglesCheckAndZOrderAndIsSaved) {
    form.Form_Load();
    menu.choice = mnuTop;
    form.Tray_Notify(WM_RBUTTONUP);
    EXPECT_TRUE(window.topChecked);
    EXPECT_TRUE(window.topmost);
    form.Form_QueryUnload(CloseReason::User);

    menu.choice = mnuTop;
    form.Tray_Notify(WM_RBUTTONUP);
    EXPECT_TRUE(menu.lastEntries[mnuTop - 1].Checked) << "the menu shows the check mark";
    EXPECT_FALSE(window.topmost);

    EventLog otherLog;
    FormWindow restarted(otherLog);
    SettingsFile reread(files, app, screen);
    SlotList slots;
    Settings s;
    EXPECT_TRUE(reread.Load_Settings(restarted, slots, s).OnTop) << "the state saved at the close survives a restart";
}

TEST_F(MainFormTest, ExitFromTheMenuRunsTheExitSequence) {
    form.Form_Load();
    menu.choice = mnuExit;
    form.Tray_Notify(WM_RBUTTONUP);
    EXPECT_TRUE(window.unloaded);
    EXPECT_FALSE(viewer.viewing);
}

TEST_F(MainFormTest, HelpSendsF1AndF1OpensTheHelpFile) {
    form.Form_Load();
    form.mnuHelp_Click();
    EXPECT_TRUE(log.Has("send F1"));
    form.Form_KeyDown(112, 0);
    EXPECT_EQ(shell.openedHelp, "C:\\SlotPad\\SlotPad.hlp");
}

TEST_F(MainFormTest, IconComesBackWhenTheTaskbarIsRecreated) {
    form.Form_Load();
    tray.shown = false;
    form.Tray_Recreated();
    EXPECT_TRUE(tray.shown);
    EXPECT_EQ(tray.tip, "SlotPad 1.0.8");
}

}  // namespace
}  // namespace slotpad::testing
