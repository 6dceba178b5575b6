#pragma once
// Putting the main window where the settings file says, if it could be seen there at all.
// A damaged file can hold any geometry; a window that reaches no monitor's work area could
// never be found by the user, so it is centred instead.

#include <vector>

#include "slotpad/platform/Application.h"
#include "slotpad/platform/MainWindow.h"
#include "slotpad/platform/WorkAreas.h"
#include "slotpad/store/SettingsFile.h"

namespace slotpad {

// True when `window` shares some area with one of `areas`. An empty list of work areas
// (the system could not tell) leaves every window where it is.
bool Reaches_Work_Area(const TwipsRect& window, const std::vector<TwipsRect>& areas);

// Places `window` and checks its mnuTop as `placement` says; a frame that reaches no work
// area keeps its size but is centred on the screen, as for a start without a file.
void Apply_Placement(MainWindow& window, const WindowPlacement& placement, const Screen& screen,
                     const WorkAreas& areas);

}  // namespace slotpad
