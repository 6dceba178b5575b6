#include "slotpad/main/panel/SlotPanel.h"

#include "slotpad/main/panel/PanelColors.h"
#include "slotpad/main/panel/PanelDrawing.h"
#include "slotpad/main/panel/PanelIcons.h"
#include "slotpad/main/panel/TextReach.h"

namespace slotpad {

using namespace panel;

namespace {

// Clears a flag however the scope is left.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

}  // namespace

SlotPanel::SlotPanel(const SlotList& list, const Settings& settings, MainWindow& window,
                     const Screen& screen, DrawingSurface& surface)
    : list_(list), settings_(settings), window_(window), screen_(screen), surface_(surface) {
    ArrowUp_ = surface_.CreatePicture(ToPictureBits(ARROW_UP_ART));
    ArrowDown_ = surface_.CreatePicture(ToPictureBits(ARROW_DOWN_ART));
    LockUp_ = surface_.CreatePicture(ToPictureBits(LOCK_UP_ART));
    LockDown_ = surface_.CreatePicture(ToPictureBits(LOCK_DOWN_ART));
    pArrowUp_ = surface_.CreateSprite(0, 0);
    pArrowDown_ = surface_.CreateSprite(0, 0);
    pLockUp_ = surface_.CreateSprite(0, 0);
    pLockDown_ = surface_.CreateSprite(0, 0);
    TextNorm_ = surface_.CreateSprite(0, 0);
    TextHigh_ = surface_.CreateSprite(0, 0);
    RowSlot_.fill(NIL_NODE);
}

void SlotPanel::ResizeStuff() {
    for (Sprite* button : {pArrowUp_.get(), pArrowDown_.get(), pLockUp_.get(), pLockDown_.get()})
        button->Resize(BUTTON_SIZE, BUTTON_SIZE);
    textLeft_ = TEXT_LEFT;
    textWidth_ = panel::TextCellWidth(window_.ClientWidth());
    TextNorm_->Resize(textWidth_, CELL_HEIGHT);
    TextHigh_->Resize(textWidth_, CELL_HEIGHT);
    if (overlay_) overlay_->SetCellGeometry(textLeft_, textWidth_, CELL_HEIGHT);
}

void SlotPanel::Load_Pictures() {
    const auto w = static_cast<int16_t>(pArrowDown_->Width() - 1);
    const auto h = static_cast<int16_t>(pArrowDown_->Height() - 1);
    Draw_Button(*pArrowDown_, 0, 0, w, h, 1, *ArrowDown_);
    Draw_Button(*pArrowUp_, 0, 0, w, h, 0, *ArrowUp_);
    Draw_Button(*pLockDown_, 0, 0, w, h, 1, *LockDown_);
    Draw_Button(*pLockUp_, 0, 0, w, h, 0, *LockUp_);
    RenderTextSprites();
}

void SlotPanel::RenderTextSprites() {
    const auto w = static_cast<int16_t>(TextNorm_->Width() - 1);
    const auto h = static_cast<int16_t>(TextNorm_->Height() - 1);
    Draw_Field(*TextNorm_, 0, 0, w, h, COLOR_REF_WINDOW);
    Draw_Field(*TextHigh_, 0, 0, w, h, COLOR_REF_HIGHLIGHT);
    // Every sprite render (sizes, colours) comes through here: rows must be painted anew.
    ForgetPaintedRows();
}

void SlotPanel::Refresh_Pics() {
    const int clientHeight = window_.ClientHeight();
    const int16_t current = settings_.CurSlot;

    int16_t node = list_.HeadNode;
    // A damaged LastPos cannot make more rows than RowSlot has.
    const int lastTop = std::min<int>(list_.LastPos, MAX_NODES - 1) * ROW_PITCH;
    int changedTop = -1, changedBottom = -1;
    for (int y = 0; y <= lastTop; y += ROW_PITCH) {
        // A link that names no node ends the chain like NIL_NODE does.
        if (node != NIL_NODE && !SlotList::Is_Node(node)) node = NIL_NODE;
        const int row = RowAt(y);
        RowSlot_[row] = node;

        const bool isCurrent = node == current;
        const bool locked = node != NIL_NODE && list_.Nodes[node].Slot.Locked != 0;
        const bool withText = y <= clientHeight && node != NIL_NODE;
        const PixelRect rect = TextRect(y, textLeft_, textWidth_);
        const std::string_view shown = withText ? ShownText(node, rect) : std::string_view();
        PaintedRow& painted = painted_[row];
        if (!painted.valid || painted.current != isCurrent || painted.locked != locked ||
            painted.withText != withText || painted.shown != shown) {
            surface_.Blit(isCurrent ? *pArrowDown_ : *pArrowUp_, POINTER_LEFT, y);
            surface_.Blit(isCurrent ? *TextHigh_ : *TextNorm_, textLeft_, y);
            surface_.Blit(locked ? *pLockDown_ : *pLockUp_, LOCK_LEFT, y);
            if (!shown.empty()) surface_.DrawAnsiText(shown, rect, isCurrent ? COLOR_REF_HIGHLIGHTTEXT : COLOR_REF_WINDOWTEXT);
            painted = PaintedRow{true, isCurrent, locked, withText, std::string(shown)};
            if (changedTop < 0) changedTop = y;
            changedBottom = y + CELL_HEIGHT;
        }
        if (node != NIL_NODE) node = list_.Nodes[node].NextNode;
    }
    // One refresh, of the rows that changed.
    surface_.PresentArea(changedTop < 0 ? PixelRect{} : PixelRect{0, changedTop, window_.ClientWidth(), changedBottom});
}

// The part of the slot's text that can reach its row's rectangle: all DrawTextA is given.
std::string_view SlotPanel::ShownText(int16_t node, const PixelRect& rect) {
    const std::string& text = list_.Nodes[node].Slot.Text;
    // A cell narrower than its insets has an empty (or inverted) rectangle: nothing can
    // show, so nothing is handed on.
    if (text.empty() || rect.Right <= rect.Left) return {};
    return drawWholeTexts_ ? std::string_view(text)
                           : TextReachingRect(text, surface_.TextMetrics(), rect.Right - rect.Left,
                                              rect.Bottom - rect.Top, textScratch_);
}

void SlotPanel::ForgetPaintedRows() {
    for (PaintedRow& row : painted_) row.valid = false;
}

void SlotPanel::Slot_Book_Changed(const SlotBookChange& Change) {
    if (Change.Count) {
        Form_Resize();
    } else {
        Refresh_Pics();
    }
}

void SlotPanel::Form_Resize() {
    if (InResize_) return;
    FlagScope inResize(InResize_);

    if (window_.State() == WindowState::Normal) {
        window_.SetHeight(SnappedHeightTwips(list_.LastPos, screen_.TwipsPerPixelY(), NonClientHeight));
    }
    const int clientWidth = window_.ClientWidth();
    surface_.Resize(clientWidth, window_.ClientHeight());
    textWidth_ = panel::TextCellWidth(clientWidth);
    TextNorm_->Resize(textWidth_, CELL_HEIGHT);
    TextHigh_->Resize(textWidth_, CELL_HEIGHT);
    if (overlay_) overlay_->SetCellGeometry(textLeft_, textWidth_, CELL_HEIGHT);
    RenderTextSprites();
    Refresh_Pics();
}

void SlotPanel::Sys_SysColorsChanged() {
    ForgetPaintedRows();
    surface_.Clear();
    surface_.Present();
    Load_Pictures();
    Refresh_Pics();
}

}  // namespace slotpad
