#pragma once
// "Tip": the invisible overlay over the text cell of one row. It carries that row's
// tool tip, and while the pointer is over it the pointer events are its own. The panel
// gives it its column and size; the pointer code moves it from row to row.

#include <string>

#include "slotpad/main/panel/TextCellOverlay.h"
#include "slotpad/platform/PanelControls.h"

namespace slotpad {

class TipOverlay : public TextCellOverlay {
public:
    explicit TipOverlay(RowToolTip& toolTip) : toolTip_(toolTip) {}

    void SetCellGeometry(int left, int width, int height) override {
        left_ = left;
        width_ = width;
        height_ = height;
        Publish();
    }

    int Top() const { return top_; }
    void SetTop(int top) {
        top_ = top;
        Publish();
    }
    const std::string& ToolTipText() const { return text_; }
    void SetToolTipText(const std::string& text) {
        if (text == text_) return;
        text_ = text;
        Publish();
    }

    bool Contains(int x, int y) const {
        return x >= left_ && x < left_ + width_ && y >= top_ && y < top_ + height_;
    }

private:
    void Publish() { toolTip_.Update({left_, top_, left_ + width_, top_ + height_}, text_); }

    RowToolTip& toolTip_;
    int left_ = 48;
    int top_ = 0;
    int width_ = 0;
    int height_ = 23;
    std::string text_;
};

}  // namespace slotpad
