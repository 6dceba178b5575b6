#pragma once
// The two small controls that lie over the slot panel: the tool tip of the row under
// the pointer, and the bar that shows where a dragged slot will land.

#include <string>

#include "slotpad/platform/DrawingSurface.h"

namespace slotpad {

class RowToolTip {
public:
    virtual ~RowToolTip() = default;
    // The tool tip shows `text` while the pointer rests inside `area` (client pixels);
    // an empty text shows nothing.
    virtual void Update(const PixelRect& area, const std::string& text) = 0;
};

// A bar 5 pixels high in the button-shadow colour.
class DropBar {
public:
    virtual ~DropBar() = default;
    virtual void Show(int left, int top, int width) = 0;
    virtual void MoveTo(int top) = 0;
    virtual void Hide() = 0;
};

}  // namespace slotpad
