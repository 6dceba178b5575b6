#pragma once
// The painted slot panel that fills the main window's client area: one row per slot with
// a pointer button (pressed for the current slot), a lock button (pressed when locked)
// and a text cell (highlighted for the current slot). Rows are copied from six sprites
// rendered ahead of time; the window's height snaps to show exactly all slots.

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "slotpad/main/panel/PanelGeometry.h"
#include "slotpad/main/panel/TextCellOverlay.h"
#include "slotpad/platform/Application.h"
#include "slotpad/platform/DrawingSurface.h"
#include "slotpad/platform/MainWindow.h"
#include "slotpad/store/LinkList.h"
#include "slotpad/store/Settings.h"
#include "slotpad/store/SlotBook.h"

namespace slotpad {

class SlotPanel : public SlotBookObserver {
public:
    SlotPanel(const SlotList& list, const Settings& settings, MainWindow& window, const Screen& screen,
              DrawingSurface& surface);
    SlotPanel(const SlotPanel&) = delete;
    SlotPanel& operator=(const SlotPanel&) = delete;

    // Fixes the sizes and columns of the icons, sprites and overlay. Once, before any
    // drawing.
    void ResizeStuff();
    // Renders the four button sprites and the two text sprites.
    void Load_Pictures();
    // Repaints every row into the drawing surface, rebuilds RowSlot and shows the result.
    void Refresh_Pics();
    // Snaps the window height to the number of slots (normal state only), re-renders the
    // text sprites at the client width and repaints. Its own height change resizes the
    // window again; that nested call does nothing.
    void Form_Resize();
    // A change of the number of slots lays the panel out again; any other is repainted.
    void Slot_Book_Changed(const SlotBookChange& Change) override;
    // After the user changed the system colours: everything is rendered anew.
    void Sys_SysColorsChanged();

    // The window's outer height minus its client height, in twips; set by Form_Load.
    int16_t NonClientHeight = 0;

    // Entry r is the node painted on row r, for r = 0 to LastPos, as of the last repaint;
    // NIL_NODE where the chain of nodes ended early.
    const std::array<int16_t, MAX_NODES>& RowSlot() const { return RowSlot_; }

    // The overlay over a row's text cell, if the window has one; ResizeStuff and
    // Form_Resize give it its place.
    void SetOverlay(TextCellOverlay* overlay) { overlay_ = overlay; }

    // Geometry for the pointer code.
    static constexpr int RowAt(int y) { return panel::RowAt(y); }
    static constexpr panel::PanelColumn ColumnAt(int x) { return panel::ColumnAt(x); }
    int TextCellLeft() const { return textLeft_; }
    int TextCellWidth() const { return textWidth_; }

    // Hands DrawTextA the whole of every text instead of only what can reach its row.
    // The pixels are the same; this exists to measure and prove exactly that.
    void SetDrawWholeTexts(bool whole) {
        drawWholeTexts_ = whole;
        ForgetPaintedRows();
    }

private:
    void RenderTextSprites();
    std::string_view ShownText(int16_t node, const PixelRect& rect);

    // What the back buffer holds on each row, as last painted: a row whose look and shown
    // text are the same again is left as it is. Forgotten whenever the sprites, the size
    // or the colours change.
    struct PaintedRow {
        bool valid = false;
        bool current = false;
        bool locked = false;
        bool withText = false;
        std::string shown;
    };
    void ForgetPaintedRows();

    const SlotList& list_;
    const Settings& settings_;
    MainWindow& window_;
    const Screen& screen_;
    DrawingSurface& surface_;
    TextCellOverlay* overlay_ = nullptr;

    std::unique_ptr<Picture> ArrowUp_, ArrowDown_, LockUp_, LockDown_;
    std::unique_ptr<Sprite> pArrowUp_, pArrowDown_, pLockUp_, pLockDown_;
    std::unique_ptr<Sprite> TextNorm_, TextHigh_;
    int textLeft_ = panel::TEXT_LEFT;
    int textWidth_ = 0;

    std::array<int16_t, MAX_NODES> RowSlot_;
    std::array<PaintedRow, MAX_NODES> painted_;
    bool InResize_ = false;
    bool drawWholeTexts_ = false;
    std::string textScratch_;
};

}  // namespace slotpad
