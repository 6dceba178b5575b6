#pragma once
// Whether a window placed where the settings file says could be seen at all. A damaged
// file can hold any geometry; a window that reaches no monitor's work area could never
// be found by the user, so it is centred instead.

#include <vector>

#include "slotpad/platform/Application.h"
#include "slotpad/platform/SettingsWindow.h"
#include "slotpad/platform/WorkAreas.h"

namespace slotpad {

// True when `window` shares some area with one of `areas`. An empty list of work areas
// (the system could not tell) leaves every window where it is.
bool Reaches_Work_Area(const TwipsRect& window, const std::vector<TwipsRect>& areas);

// Centres `window` on the screen, as for a start without a file, when it reaches no work
// area; leaves it alone otherwise.
void Keep_Window_Reachable(SettingsWindow& window, const Screen& screen, const WorkAreas& areas);

}  // namespace slotpad
