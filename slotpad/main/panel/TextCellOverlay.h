#pragma once
// The transparent overlay that lies over one row's text cell and carries that row's tool
// tip. The panel gives it its column and size; the pointer code moves it between rows.

namespace slotpad {

class TextCellOverlay {
public:
    virtual ~TextCellOverlay() = default;
    virtual void SetCellGeometry(int left, int width, int height) = 0;
};

}  // namespace slotpad
