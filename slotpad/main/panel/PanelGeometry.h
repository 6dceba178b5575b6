#pragma once
// Where things are on the slot panel, in client pixels. Each slot is one row: a pointer
// button, a lock button and a text cell, 23 pixels high, with a one-pixel gap of the
// background below and between the cells.

#include <algorithm>
#include <cstdint>

#include "slotpad/platform/DrawingSurface.h"

namespace slotpad::panel {

inline constexpr int ROW_PITCH = 24;
inline constexpr int CELL_HEIGHT = 23;
inline constexpr int BUTTON_SIZE = 23;
inline constexpr int ICON_SIZE = 16;
inline constexpr int POINTER_LEFT = 0;
inline constexpr int LOCK_LEFT = 24;
inline constexpr int TEXT_LEFT = 48;
// The text rectangle inside a text cell: 3 pixels in from both sides, from 2 pixels
// below the row's top to 20 (exclusive), so 18 pixels high.
inline constexpr int TEXT_INSET_X = 3;
inline constexpr int TEXT_TOP = 2;
inline constexpr int TEXT_BOTTOM = 20;
// Where a button's icon sits: pressed faces show it one pixel right of and below the
// raised position.
inline constexpr int ICON_RAISED_OFFSET = 3;
inline constexpr int ICON_PRESSED_OFFSET = 4;

enum class PanelColumn { PointerButton, LockButton, TextCell };

// The row under a panel y coordinate (integer division, truncating toward zero as the
// pointer code expects; callers check the row against the number of slots).
constexpr int RowAt(int y) { return y / ROW_PITCH; }
constexpr int RowTop(int row) { return row * ROW_PITCH; }

constexpr PanelColumn ColumnAt(int x) {
    if (x < LOCK_LEFT) return PanelColumn::PointerButton;
    if (x < TEXT_LEFT) return PanelColumn::LockButton;
    return PanelColumn::TextCell;
}

// The text cell runs from TEXT_LEFT to the right edge; a window narrower than that
// gives a cell of width 0, never a negative one.
constexpr int TextCellWidth(int clientWidth) { return std::max(0, clientWidth - TEXT_LEFT); }

// The rectangle a row's text is drawn into, for a row whose top is rowTop. It is empty
// (Right <= Left) when the cell is narrower than its insets.
constexpr PixelRect TextRect(int rowTop, int textLeft, int textWidth) {
    return {textLeft + TEXT_INSET_X, rowTop + TEXT_TOP, textLeft + textWidth - TEXT_INSET_X,
            rowTop + TEXT_BOTTOM};
}

// The client height that shows exactly `slots` rows: the last row ends at the bottom
// edge. -1 for no slots, which leaves the platform's minimum height in force.
constexpr int ClientHeightFor(int slots) { return slots * ROW_PITCH - 1; }

// The outer window height, in twips, that makes the client area show all LastPos + 1
// slots: (LastPos + 1) * 24 * t + NonClientHeight - t with t the screen's vertical twips
// per pixel, computed in single precision like the window's own Height property.
int SnappedHeightTwips(int16_t lastPos, int twipsPerPixelY, int16_t nonClientHeight);

}  // namespace slotpad::panel
