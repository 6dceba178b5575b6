#pragma once
// The main window "Main": start-up, the notification icon, the pop-up menu, closing to
// the notification area and the exit sequence. Its slot book holds the slots, the
// settings and the current slot for the whole run; it reaches the system only through
// the platform interfaces it is given.

#include <optional>
#include <string>

#include "slotpad/capture/Capture.h"
#include "slotpad/capture/ChainWatch.h"
#include "slotpad/capture/HeldCapture.h"
#include "slotpad/dialogs/EditSel.h"
#include "slotpad/main/DialogServices.h"
#include "slotpad/main/RightMenu.h"
#include "slotpad/main/TipOverlay.h"
#include "slotpad/main/panel/SlotPanel.h"
#include "slotpad/platform/Application.h"
#include "slotpad/platform/ClipViewer.h"
#include "slotpad/platform/Clipboard.h"
#include "slotpad/platform/DefaultPrinter.h"
#include "slotpad/platform/EditSelWindow.h"
#include "slotpad/platform/FileStore.h"
#include "slotpad/platform/MainWindow.h"
#include "slotpad/platform/MainWindowEvents.h"
#include "slotpad/platform/MessageBoxes.h"
#include "slotpad/platform/PanelControls.h"
#include "slotpad/platform/PopupMenu.h"
#include "slotpad/platform/Shell.h"
#include "slotpad/platform/TrayIcon.h"
#include "slotpad/platform/WorkAreas.h"
#include "slotpad/store/LinkList.h"
#include "slotpad/store/Settings.h"
#include "slotpad/store/SettingsFile.h"
#include "slotpad/store/SlotBook.h"

namespace slotpad {

struct MainServices {
    const Application& App;
    const Screen& Scr;
    MainWindow& Window;
    Clipboard& Clip;
    TrayIcon& Tray;
    PopupMenu& Menu;
    Shell& Sh;
    FileStore& Files;
    DrawingSurface& Surface;
    RowToolTip& ToolTip;
    DropBar& Bar;  // PicSplitter
    const WorkAreas& Areas;
    MessageBoxes& Boxes;  // modal to the main window
    DefaultPrinter& Printer;
    EditSelWindow& EditSelWin;
    DialogServices Dialogs;
};

class MainForm : public MainWindowEvents {
public:
    explicit MainForm(const MainServices& services);

    // The control is created once the window exists; without it nothing is captured.
    void SetClipViewer(ClipViewer* viewer) { clip_ = viewer; }

    void Form_Load();
    bool Form_QueryUnload(CloseReason reason) override;
    void mnuExit_Click();
    void mnuShow_Click();
    void mnuTop_Click();
    void mnuHelp_Click();
    void Fix_Menu(bool Vis) { menu_.Fix_Menu(Vis); }

    // MainWindowEvents
    void Form_Resize() override { panel_.Form_Resize(); }
    void Pointer_Down(int Button, int Shift, int X, int Y) override;
    void Pointer_Move(int Button, int Shift, int X, int Y) override;
    void Pointer_Up(int Button, int Shift, int X, int Y) override;
    void Pointer_DblClick(int X, int Y) override;
    void Pointer_Cancelled() override;
    void Form_KeyDown(int KeyCode, int Shift) override;

    // The pointer on the panel outside Tip (client pixels) and on Tip (twips relative
    // to Tip's corner).
    void Form_MouseDown(int Button, int Shift, int X, int Y);
    void Form_MouseMove(int Button, int Shift, int X, int Y);
    void Form_MouseUp(int Button, int Shift, int X, int Y);
    void Form_DblClick();
    void Tip_MouseDown(int Button, int Shift, int X, int Y);
    void Tip_MouseMove(int Button, int Shift, int X, int Y);
    void Tip_MouseUp(int Button, int Shift, int X, int Y);
    void Tip_DblClick();
    void Tray_Notify(int message) override;
    void Tray_Recreated() override;
    void Sys_SysColorsChanged() override { panel_.Sys_SysColorsChanged(); }
    void Clip_NewClipboardElement() override;
    void Timer_Tick() override;
    void Capture_Posted() override;

    // Slot commands, options and about: the pop-up menu and the keys lead here.
    void mnuEdit_Click();
    void mnuAdd_Click();
    void mnuCopy_Click();
    void mnuClear_Click();
    void mnuDelete_Click();
    void mnuPrint_Click();
    void mnuOptions_Click();
    void mnuAbout_Click();

    SlotBook& Book() { return book_; }
    const SlotList& List() const { return book_.List(); }
    const Settings& CurrentSettings() const { return book_.CurrentSettings(); }
    SettingsFile& File() { return file_; }
    SlotPanel& Panel() { return panel_; }
    Capture& Captures() { return capture_; }
    RightMenu& Menu() { return menu_; }
    const std::string& HelpFile() const { return helpFile_; }
    const TipOverlay& Tip() const { return Tip_; }
    bool IsDragging() const { return Dragging; }
    int DropBarTop() const { return barTop_; }
    std::string TrayTip() const;

private:
    void ShowRightMenu(MenuItemId defaultItem);
    void ShowPanelMenu();
    bool IsValidRow(int r) const { return r >= 0 && r <= book_.List().LastPos; }
    int TipTwipsX(int x) const { return (x - panel::TEXT_LEFT) * sys_.Scr.TwipsPerPixelX(); }
    int TipTwipsY(int y) const { return (y - Tip_.Top()) * sys_.Scr.TwipsPerPixelY(); }
    void RunMenuItem(int id);
    bool SaveFromWindowClose();
    // The exit sequence; only the user's own Exit may ask about a failed save.
    void Exit_Program(bool mayAsk);
    bool Confirm(const std::string& prompt, const std::string& title);

    MainServices sys_;
    ClipViewer* clip_ = nullptr;

    SlotBook book_;
    SettingsFile file_;
    SlotPanel panel_;
    Capture capture_;
    HeldCapture held_;
    EditSel editSel_;
    RightMenu menu_;
    std::string helpFile_;
    bool InTrayMsg = false;
    TipOverlay Tip_;
    // Who got the press of the button now held: its events go there until the release.
    enum class PointerOwner { None, Form, Tip } pressOwner_ = PointerOwner::None;
    bool Dragging = false;
    int16_t DragSlot = NIL_NODE;
    int barTop_ = 0;
    std::optional<HeldCapture::Scope> dragHold_;
    bool saveFailureReported_ = false;
    ChainWatch chainWatch_;
    int notifications_ = 0;
    bool capturePosted_ = false;
    // One of our dialogs is open: the icon's menu still works meanwhile, but opens no second.
    bool inDialog_ = false;
};

}  // namespace slotpad
