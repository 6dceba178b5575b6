// SlotPad's entry point on Windows: builds the platform pieces around the main form,
// hosts the clipboard viewer control and runs the message loop.

#include <windows.h>

#include <memory>

#include "slotpad/dialogs/win32/Win32AboutWindow.h"
#include "slotpad/dialogs/win32/Win32FontChooser.h"
#include "slotpad/dialogs/win32/Win32OptionsWindow.h"
#include "slotpad/main/MainForm.h"
#include "slotpad/main/win32/ProgramResources.h"
#include "slotpad/main/win32/SingleInstance.h"
#include "slotpad/platform/win32/ClipControlHost.h"
#include "slotpad/platform/win32/Win32AnsiCodePage.h"
#include "slotpad/platform/win32/Win32Application.h"
#include "slotpad/platform/win32/Win32Clipboard.h"
#include "slotpad/platform/win32/Win32DefaultPrinter.h"
#include "slotpad/platform/win32/Win32FileStore.h"
#include "slotpad/platform/win32/Win32MessageBoxes.h"
#include "slotpad/platform/win32/Win32NumberFormat.h"
#include "slotpad/platform/win32/Win32ProgramStarter.h"
#include "slotpad/platform/win32/Win32ReadOnlyRegistry.h"
#include "slotpad/platform/win32/Win32VersionResource.h"
#include "slotpad/platform/win32/Win32MainWindow.h"
#include "slotpad/platform/win32/Win32MessageBoxes.h"
#include "slotpad/platform/win32/Win32PanelControls.h"
#include "slotpad/platform/win32/Win32PopupMenu.h"
#include "slotpad/platform/win32/Win32Shell.h"
#include "slotpad/platform/win32/Win32TrayIcon.h"
#include "slotpad/platform/win32/Win32WorkAreas.h"
#include "slotpad/platform/win32/dialogs/Win32EditSelWindow.h"
#include "slotpad/platform/win32/panel/Win32DrawingSurface.h"
#include "win32/ComApartment.h"
#include "win32/Failure.h"
#include "win32/Utf.h"

using namespace slotpad;
using namespace slotpad::win32;

namespace {

constexpr int kExitControlMissing = 2;
constexpr int kExitNoOle = 3;

void ReportMissingControl(HRESULT error) {
    wchar_t text[700];
    swprintf(text, 700,
             L"SlotPad cannot watch the clipboard: its clipboard viewer control CLIP.OCX could not be "
             L"created (error 0x%08lX).\n\n"
             L"CLIP.OCX must be in SlotPad's folder and registered. To register it, run this command "
             L"in SlotPad's folder:\n\n    regsvr32 CLIP.OCX",
             static_cast<unsigned long>(error));
    MessageBoxW(nullptr, text, L"SlotPad", MB_OK | MB_ICONERROR);
}

// A failure stopped at a window procedure: the user hears of it, and the program goes on.
void ShowFailure(const std::string& message) {
    const std::wstring text = L"SlotPad met an error it could not handle:\n\n" + foundation::Widen(message);
    MessageBoxW(nullptr, text.c_str(), L"SlotPad", MB_OK | MB_ICONERROR);
}

int RunMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    Win32Application app("SlotPad");
    SingleInstance instanceGuard(app.Folder());
    if (!instanceGuard.IsFirst()) {
        instanceGuard.ShowFirstInstance(RegisterWindowMessageW(Win32MainWindow::kShowMessageName));
        return 0;
    }

    foundation::SetFailureReporter(&ShowFailure);
    foundation::ComApartment ole;
    if (!ole.ok()) return kExitNoOle;

    ProgramIcons icons(instance);
    Win32MainWindow window(instance, icons.Large(), icons.Small());
    instanceGuard.Publish(window.hwnd());

    Win32Screen screen;
    Win32Clipboard clipboard;
    clipboard.SetOwner(window.hwnd());
    Win32TrayIcon tray(window.hwnd(), Win32MainWindow::kTrayMessage, icons.Tray());
    Win32PopupMenu menu(window.hwnd());
    Win32Shell shell(window.hwnd());
    Win32FileStore files;
    Win32DrawingSurface surface(window.hwnd());
    window.SetPainter([&surface](HDC dc, const RECT& area) { surface.PaintTo(dc, area); });

    Win32RowToolTip toolTip(window.hwnd());
    Win32DropBar dropBar(window.hwnd());

    Win32WorkAreas workAreas;
    Win32MessageBoxes boxes(window.hwnd(), app.Title());
    Win32DefaultPrinter printer;
    Win32EditSelWindow editSelWindow(instance, window.hwnd());
    Win32OptionsWindow optionsWindow(instance, window.hwnd(), screen.TwipsPerPixelX(), screen.TwipsPerPixelY());
    Win32FontChooser fonts;
    Win32NumberFormat numbers;
    Win32AboutWindow aboutWindow(instance, icons.Large(), screen.TwipsPerPixelX(), screen.TwipsPerPixelY());
    Win32VersionResource version;
    Win32ReadOnlyRegistry registry;
    Win32ProgramStarter starter;
    Win32MessageBoxes messages(nullptr, app.Title());
    MainForm form(MainServices{
        app, screen, window, clipboard, tray, menu, shell, files, surface, toolTip, dropBar, workAreas, boxes, printer,
        editSelWindow,
        DialogServices{optionsWindow, fonts, numbers, aboutWindow, version, registry, starter, messages}});
    window.SetEvents(&form);
    form.Captures().UseCaseFold(AnsiCaseFold(Win32AnsiCodePage{}));
    window.SetShowRequestHandler([&form, &window] {
        form.mnuShow_Click();
        window.BringToForeground();
    });

    // Like every control on the form, the viewer exists before the form loads.
    HRESULT error = S_OK;
    std::unique_ptr<ClipControlHost> clip = ClipControlHost::Create(window.hwnd(), form, error);
    if (!clip) {
        window.SetEvents(nullptr);
        ReportMissingControl(error);
        return kExitControlMissing;
    }
    form.SetClipViewer(clip.get());

    form.Form_Load();
    const int exitCode = RunMessageLoop();
    window.SetEvents(nullptr);
    clip.reset();
    return exitCode;
}
