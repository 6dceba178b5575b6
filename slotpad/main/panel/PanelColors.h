#pragma once
// The system colours the panel paints with. They are references, not values, so every
// rendering picks up the user's current colour scheme.

#include "slotpad/platform/DrawingSurface.h"

namespace slotpad::panel {

inline constexpr ColorRef COLOR_REF_WINDOW = SystemColor(5);         // text cell fill
inline constexpr ColorRef COLOR_REF_WINDOWTEXT = SystemColor(8);     // text of other slots
inline constexpr ColorRef COLOR_REF_HIGHLIGHT = SystemColor(13);     // current slot's cell
inline constexpr ColorRef COLOR_REF_HIGHLIGHTTEXT = SystemColor(14); // current slot's text
inline constexpr ColorRef COLOR_REF_BTNFACE = SystemColor(15);       // raised button face
inline constexpr ColorRef COLOR_REF_3DHIGHLIGHT = SystemColor(20);   // pressed face, even pixels
inline constexpr ColorRef COLOR_REF_3DLIGHT = SystemColor(22);       // pressed face, odd pixels

}  // namespace slotpad::panel
