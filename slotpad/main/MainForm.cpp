#include "slotpad/main/MainForm.h"

#include "slotpad/dialogs/EditSel.h"
#include "slotpad/main/WindowPlacement.h"

#include <optional>

#include "slotpad/dialogs/About.h"
#include "slotpad/dialogs/Options.h"

namespace slotpad {

namespace {

constexpr int kWM_LBUTTONDBLCLK = 0x203;
constexpr int kWM_RBUTTONUP = 0x205;
// How often the viewer chain is checked for changes that never reached us.
constexpr int kChainCheckMs = 2000;

std::string InFolder(const std::string& folder, const std::string& file) {
    if (!folder.empty() && folder.back() == '\\') return folder + file;
    return folder + "\\" + file;
}

std::string WhyUnreadable(ReadFailure why) {
    switch (why) {
        case ReadFailure::InUse: return "another program is using it";
        case ReadFailure::Folder: return "it is a folder";
        case ReadFailure::AccessDenied: return "access to it is denied";
        default: return "it could not be opened";
    }
}

}  // namespace

MainForm::MainForm(const MainServices& services)
    : sys_(services),
      file_(services.Files, services.App, services.Scr),
      panel_(book_.List(), book_.CurrentSettings(), services.Window, services.Scr, services.Surface),
      capture_(book_, services.Clip),
      held_(capture_),
      editSel_(services.EditSelWin),
      Tip_(services.ToolTip) {
    panel_.SetOverlay(&Tip_);
    book_.SetObserver(&panel_);
}

std::string MainForm::TrayTip() const {
    const VersionParts v = sys_.App.Version();
    return "SlotPad " + std::to_string(v.Major) + "." + std::to_string(v.Minor) + "." + std::to_string(v.Revision);
}

void MainForm::Form_Load() {
    panel_.ResizeStuff();
    panel_.NonClientHeight =
        static_cast<int16_t>(sys_.Window.Height() - sys_.Window.ClientHeight() * sys_.Scr.TwipsPerPixelY());
    panel_.Load_Pictures();
    sys_.Tray.Add(TrayTip());
    sys_.Window.HideFromTaskList();
    helpFile_ = InFolder(sys_.App.Folder(), "SlotPad.hlp");
    // The book's notification of the loaded slots lays the panel out, in the window as
    // placed.
    book_.Restore([this](SlotList& list, Settings& settings) {
        Apply_Placement(sys_.Window, file_.Load_Settings(sys_.Window, list, settings), sys_.Scr, sys_.Areas);
        if (list.LastPos < 0) {
            int16_t node = NIL_NODE;
            list.Insert_Node(book_.BlankSlot(), POS_TOP, node);
        }
    });
    if (file_.Report.Unreadable != ReadFailure::None) {
        // The file stays as it is, so the user can free it and nothing of it is lost.
        sys_.Tray.ShowBalloon("SlotPad could not read its file",
                              file_.SettingsPath + " cannot be read: " + WhyUnreadable(file_.Report.Unreadable) +
                                  ". SlotPad keeps it as it is and saves this session beside it as " +
                                  Aside_Path(file_.SettingsPath) + ".");
    }
    sys_.Window.SetCaption(sys_.App.Title());
    sys_.Window.SetTopmost(sys_.Window.TopChecked());
    sys_.Window.Hide();
    chainWatch_ = ChainWatch(sys_.Clip.SequenceNumber());
    if (clip_) clip_->StartViewer();
    sys_.Window.StartTimer(kChainCheckMs);
}

// Changes that come faster than they can be read merge: the clipboard is read once the
// window has handled the notifications waiting before it, and then holds the newest. Our
// own writes are told apart now, while they are being made. While a modal loop of ours
// runs, the change is held back and captured once the loop and its command are done; the
// control passes the notification on at once all the same.
void MainForm::Clip_NewClipboardElement() {
    ++notifications_;
    chainWatch_.Notified(sys_.Clip.SequenceNumber());
    if (capture_.IgnoreClip()) return;
    if (held_.Holding()) {
        held_.Change_Arrived();
        return;
    }
    if (capturePosted_) return;
    capturePosted_ = true;
    if (!sys_.Window.PostCapture()) Capture_Posted();  // a full queue: read now rather than never
}

void MainForm::Capture_Posted() {
    capturePosted_ = false;
    if (held_.Holding()) {
        // Posted before the loop began and delivered by the loop itself.
        held_.Change_Arrived();
        return;
    }
    capture_.Clip_NewClipboardElement();
}

// Joining again puts us at the head of the chain, ahead of whatever cut us off; the join
// itself reports the clipboard as it is, so the missed change is captured then.
void MainForm::Timer_Tick() {
    if (!clip_ || chainWatch_.Tick(sys_.Clip.SequenceNumber()) != ChainWatch::Action::Rejoin) return;
    const int before = notifications_;
    clip_->StopViewer();
    clip_->StartViewer();
    if (chainWatch_.Rejoined(notifications_ != before))
        sys_.Tray.ShowBalloon("SlotPad is not hearing of copies",
                              "SlotPad could not rejoin the clipboard viewer chain. New copies may not be "
                              "captured until SlotPad is restarted.");
}

bool MainForm::Form_QueryUnload(CloseReason reason) {
    if (reason == CloseReason::User) {
        // Closing the window only sends the program to the notification area.
        sys_.Window.Hide();
        SaveFromWindowClose();
        return true;
    }
    // Nobody may be kept waiting for an answer while the session ends.
    Exit_Program(false);
    return false;
}

// A failed save keeps everything in memory; the user hears of it once, from the icon,
// since the window is already gone. The next close tries again.
bool MainForm::SaveFromWindowClose() {
    const bool saved = file_.Save_Settings(sys_.Window, book_.List(), book_.CurrentSettings());
    if (saved) {
        saveFailureReported_ = false;
    } else if (!saveFailureReported_) {
        saveFailureReported_ = true;
        sys_.Tray.ShowBalloon("SlotPad could not save",
                              "Your slots could not be written to " + file_.SettingsPath +
                                  ". They are kept while SlotPad runs; closing the window tries again.");
    }
    return saved;
}

void MainForm::mnuExit_Click() { Exit_Program(true); }

void MainForm::Exit_Program(bool mayAsk) {
    // The chain is left first: a copy that came in after the save would be lost.
    if (clip_) clip_->StopViewer();
    while (!file_.Save_Settings(sys_.Window, book_.List(), book_.CurrentSettings()) && mayAsk) {
        // Everything since the last good save would be lost without a word.
        HeldCapture::Scope box(held_);
        if (sys_.Boxes.Ask_Retry("SlotPad could not save your slots to " + file_.SettingsPath + ": " +
                                 file_.SaveFailure +
                                 ".\n\nRetry to try again, or Cancel to keep SlotPad running with your slots "
                                 "in memory."))
            continue;
        // Joining again reports the clipboard as it is, so nothing copied meanwhile is missed.
        if (clip_) clip_->StartViewer();
        return;
    }
    // From here nothing may stop the program from ending: each step's failure is ignored.
    sys_.Tray.Delete();
    sys_.Window.Unload();
}

void MainForm::mnuShow_Click() { sys_.Window.Show(); }

void MainForm::mnuTop_Click() {
    sys_.Window.SetTopChecked(!sys_.Window.TopChecked());
    sys_.Window.SetTopmost(sys_.Window.TopChecked());
}

void MainForm::mnuHelp_Click() { sys_.Sh.SendF1(); }

void MainForm::Tray_Notify(int message) {
    // The icon's menu runs a nested message loop; a second notification meanwhile must
    // neither open another menu nor show the window.
    if (InTrayMsg) return;
    InTrayMsg = true;
    if (message == kWM_LBUTTONDBLCLK) {
        mnuShow_Click();
    } else if (message == kWM_RBUTTONUP) {
        Fix_Menu(false);
        sys_.Window.BringToForeground();
        ShowRightMenu(mnuShow);
        sys_.Window.PostUserMessage();
    }
    InTrayMsg = false;
}

void MainForm::Tray_Recreated() { sys_.Tray.Add(TrayTip()); }

// A change copied while the menu is open is held until the item chosen has acted on the
// slot the menu was opened for.
void MainForm::ShowRightMenu(MenuItemId defaultItem) {
    menu_.Item(mnuTop).Checked = sys_.Window.TopChecked();
    HeldCapture::Scope command(held_);
    std::optional<int> chosen;
    {
        HeldCapture::Scope open(held_);
        chosen = sys_.Menu.Show(menu_.Items(), defaultItem);
    }
    if (chosen) RunMenuItem(*chosen);
}

void MainForm::RunMenuItem(int id) {
    switch (id) {
        case mnuShow: mnuShow_Click(); break;
        case mnuEdit: mnuEdit_Click(); break;
        case mnuAdd: mnuAdd_Click(); break;
        case mnuCopy: mnuCopy_Click(); break;
        case mnuClear: mnuClear_Click(); break;
        case mnuDelete: mnuDelete_Click(); break;
        case mnuPrint: mnuPrint_Click(); break;
        case mnuOptions: mnuOptions_Click(); break;
        case mnuTop: mnuTop_Click(); break;
        case mnuHelp: mnuHelp_Click(); break;
        case mnuAbout: mnuAbout_Click(); break;
        case mnuExit: mnuExit_Click(); break;
        default: break;
    }
}

namespace {

// Marks a dialog open for the scope.
class DialogOpen {
public:
    explicit DialogOpen(bool& flag) : flag_(flag) { flag_ = true; }
    ~DialogOpen() { flag_ = false; }
    DialogOpen(const DialogOpen&) = delete;
    DialogOpen& operator=(const DialogOpen&) = delete;

private:
    bool& flag_;
};

}  // namespace

void MainForm::mnuOptions_Click() {
    if (inDialog_) return;
    std::optional<OptionValues> chosen;
    {
        HeldCapture::Scope dialog(held_);
        DialogOpen open(inDialog_);
        const DialogServices& d = sys_.Dialogs;
        chosen = Options(d.Options, d.Fonts, d.Numbers).Show_Options(Option_Values_Of(book_.CurrentSettings()));
    }
    if (!chosen) return;
    // Onto the settings as they are now: capture may have run while the dialog was open.
    Settings changed = book_.CurrentSettings();
    Apply_Option_Values(*chosen, changed);
    book_.Change_Settings(changed);
}

void MainForm::mnuAbout_Click() {
    if (inDialog_) return;
    HeldCapture::Scope dialog(held_);
    DialogOpen open(inDialog_);
    const DialogServices& d = sys_.Dialogs;
    frmAbout(d.About, sys_.App, d.Version, d.Registry, d.Starter, d.Messages).Show_About();
}

}  // namespace slotpad
