#pragma once
// The main form on a recording desktop: every service it uses, faked, and the form itself.

#include "slotpad/main/MainForm.h"
#include "tests/support/FormFakes.h"
#include "tests/main/RecordingSurface.h"
#include "tests/support/AboutServiceFakes.h"
#include "tests/support/DialogWindowFakes.h"
#include "tests/support/MemoryClipboard.h"
#include "tests/support/MemoryFileStore.h"
#include "tests/support/RecordingPrinter.h"
#include "tests/support/ScriptedMessageBoxes.h"

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
    ScriptedMessageBoxes boxes;
    RecordingPrinter printer;
    FakeEditSelWindow editSelWindow;
    FakeOptionsWindow optionsWindow;
    ScriptedFontChooser fonts;
    FixedNumberFormat numbers;
    FakeAboutWindow aboutWindow;
    FixedVersionResource version;
    MemoryRegistry registry;
    FakeProgramStarter starter;
    RecordingMessageBoxes messages;
    MainForm form{MainServices{
        app, screen, window, clipboard, tray, menu, shell, files, surface, toolTip, bar, workAreas, boxes, printer,
        editSelWindow,
        DialogServices{optionsWindow, fonts, numbers, aboutWindow, version, registry, starter, messages}}};

    // The slots' texts from the top of the list.
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        const SlotList& l = form.List();
        for (int16_t n = l.HeadNode, i = 0; i <= l.LastPos && n != NIL_NODE; ++i, n = l.Nodes[n].NextNode)
            texts.push_back(l.Nodes[n].Slot.Text);
        return texts;
    }
};

}  // namespace slotpad::testing
