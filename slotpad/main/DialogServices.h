#pragma once
// What the main form needs for the Options dialog and the About box.

#include "slotpad/platform/AboutWindow.h"
#include "slotpad/platform/FontChooser.h"
#include "slotpad/platform/MessageBoxes.h"
#include "slotpad/platform/NumberFormat.h"
#include "slotpad/platform/OptionsWindow.h"
#include "slotpad/platform/ProgramStarter.h"
#include "slotpad/platform/ReadOnlyRegistry.h"
#include "slotpad/platform/VersionResource.h"

namespace slotpad {

struct DialogServices {
    OptionsWindow& Options;
    FontChooser& Fonts;
    const NumberFormat& Numbers;
    AboutWindow& About;
    const VersionResource& Version;
    ReadOnlyRegistry& Registry;
    ProgramStarter& Starter;
    MessageBoxes& Messages;
};

}  // namespace slotpad
