#include "slotpad/main/panel/PanelGeometry.h"

#include <gtest/gtest.h>

namespace slotpad::panel {
namespace {

TEST(PanelGeometry, RowUnderAYCountsTheGapWithTheRowAbove) {
    EXPECT_EQ(RowAt(0), 0);
    EXPECT_EQ(RowAt(22), 0);
    EXPECT_EQ(RowAt(23), 0);  // the one-pixel gap below row 0
    EXPECT_EQ(RowAt(24), 1);
    EXPECT_EQ(RowAt(1702), 70);
    EXPECT_EQ(RowTop(70), 1680);
}

TEST(PanelGeometry, ColumnsSplitAtTheButtonEdges) {
    EXPECT_EQ(ColumnAt(0), PanelColumn::PointerButton);
    EXPECT_EQ(ColumnAt(23), PanelColumn::PointerButton);
    EXPECT_EQ(ColumnAt(24), PanelColumn::LockButton);
    EXPECT_EQ(ColumnAt(47), PanelColumn::LockButton);
    EXPECT_EQ(ColumnAt(48), PanelColumn::TextCell);
    EXPECT_EQ(ColumnAt(5000), PanelColumn::TextCell);
}

TEST(PanelGeometry, TextCellWidthNeverGoesNegative) {
    struct Case { int client, width; };
    for (Case c : {Case{0, 0}, Case{20, 0}, Case{47, 0}, Case{48, 0}, Case{49, 1}, Case{232, 184}}) {
        EXPECT_EQ(TextCellWidth(c.client), c.width) << "client width " << c.client;
    }
}

TEST(PanelGeometry, TextRectangleIsInsetInItsRow) {
    EXPECT_EQ(TextRect(0, TEXT_LEFT, 184), (PixelRect{51, 2, 229, 20}));
    EXPECT_EQ(TextRect(RowTop(3), TEXT_LEFT, 184), (PixelRect{51, 74, 229, 92}));
    // A cell narrower than its insets gives an empty rectangle.
    const PixelRect narrow = TextRect(0, TEXT_LEFT, 4);
    EXPECT_LE(narrow.Right, narrow.Left);
}

TEST(PanelGeometry, SnappedHeightGivesTheClientAreaOfAllRows) {
    struct Case { int16_t lastPos; int twipsPerPixel; int slots; };
    const int16_t nonClientPixels = 30;
    for (Case c : {Case{0, 15, 1}, Case{6, 15, 7}, Case{70, 15, 71}, Case{0, 12, 1}, Case{70, 12, 71},
                   Case{-1, 15, 0}}) {
        const auto nonClient = static_cast<int16_t>(nonClientPixels * c.twipsPerPixel);
        const int outer = SnappedHeightTwips(c.lastPos, c.twipsPerPixel, nonClient);
        EXPECT_EQ((outer - nonClient) / c.twipsPerPixel, ClientHeightFor(c.slots)) << "LastPos " << c.lastPos;
        EXPECT_EQ((outer - nonClient) % c.twipsPerPixel, 0);
    }
    EXPECT_EQ(ClientHeightFor(1), 23);
    EXPECT_EQ(ClientHeightFor(71), 1703);
    EXPECT_EQ(ClientHeightFor(0), -1);
}

}  // namespace
}  // namespace slotpad::panel
