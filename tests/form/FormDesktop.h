#pragma once
// The main form on a recording desktop: every service it uses, faked, and the form itself.

#include "slotpad/main/MainForm.h"
#include "tests/form/FormFakes.h"
#include "tests/main/RecordingSurface.h"
#include "tests/support/AboutServiceFakes.h"
#include "tests/support/DialogWindowFakes.h"
#include "tests/support/MemoryClipboard.h"
#include "tests/support/MemoryFileStore.h"

namespace slotpad::testing {

struct FormDesktop {
    FormDesktop() { form.SetClipViewer(&viewer); }

    EventLog log;
    FormApplication app;
    FormScreen screen;
    FormWindow window{log};
    MemoryClipboard clipboard;
    FakeTray tray{log};
    FakeMenu menu{log};
    FakeShell shell{log};
    MemoryFileStore files;
    RecordingSurface surface;
    FakeViewer viewer{log};
    FakeToolTip toolTip;
    FakeDropBar bar;
    FakeWorkAreas workAreas;
    FakeOptionsWindow optionsWindow;
    ScriptedFontChooser fonts;
    FixedNumberFormat numbers;
    FakeAboutWindow aboutWindow;
    FixedVersionResource version;
    MemoryRegistry registry;
    FakeProgramStarter starter;
    RecordingMessageBoxes messages;
    MainForm form{MainServices{
        app, screen, window, clipboard, tray, menu, shell, files, surface, toolTip, bar, workAreas,
        DialogServices{optionsWindow, fonts, numbers, aboutWindow, version, registry, starter, messages}}};
};

}  // namespace slotpad::testing
