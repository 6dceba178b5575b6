#include "slotpad/main/panel/PanelDrawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>

#include "slotpad/main/panel/PanelColors.h"
#include "slotpad/main/panel/PanelIcons.h"
#include "tests/main/RecordingSurface.h"

namespace slotpad {
namespace {

using namespace panel;
using testing::CanvasOp;
using testing::RecordingCanvas;
using testing::RecordingPicture;

TEST(DrawButton, RaisedFaceIsFilledEdgedAndCarriesTheIconAtThree) {
    RecordingCanvas canvas;
    RecordingPicture lockUp("LockUp");
    for (int16_t pressed : {0, -1, 2}) {
        canvas.ops.clear();
        Draw_Button(canvas, 0, 0, 22, 22, pressed, lockUp);
        ASSERT_EQ(canvas.ops.size(), 3u) << "Pressed " << pressed;
        EXPECT_EQ(canvas.ops[0].kind, CanvasOp::Fill);
        EXPECT_EQ(canvas.ops[0].rect, (PixelRect{0, 0, 23, 23}));
        EXPECT_EQ(canvas.ops[0].color, COLOR_REF_BTNFACE);
        EXPECT_EQ(canvas.ops[1].kind, CanvasOp::Edge);
        EXPECT_EQ(canvas.ops[1].rect, (PixelRect{0, 0, 23, 23}));
        EXPECT_EQ(canvas.ops[1].style, EdgeStyle::Raised);
        EXPECT_EQ(canvas.ops[2].kind, CanvasOp::Picture);
        EXPECT_EQ(canvas.ops[2].rect, (PixelRect{3, 3, 16, 16}));
        EXPECT_EQ(canvas.ops[2].picture, "LockUp");
    }
}

// Lays the recorded lines on a pixel grid the way a one-pixel pen does (end point left
// out), and checks that they are the 45-degree lines the checkerboard is made of.
std::array<std::array<ColorRef, 23>, 23> Rasterize(const std::vector<CanvasOp>& ops) {
    std::array<std::array<ColorRef, 23>, 23> grid{};
    for (const CanvasOp& op : ops) {
        if (op.kind != CanvasOp::Line) continue;
        const int dx = op.rect.Right - op.rect.Left, dy = op.rect.Bottom - op.rect.Top;
        EXPECT_EQ(std::abs(dx), std::abs(dy)) << "not a diagonal";
        EXPECT_GE(dx, 0) << "not up and to the right";
        EXPECT_LE(dy, 0) << "not up and to the right";
        for (int k = 0; k < dx; ++k) {
            const int x = op.rect.Left + k, y = op.rect.Top - k;
            if (x >= 0 && x < 23 && y >= 0 && y < 23) grid[y][x] = op.color;
        }
    }
    return grid;
}

TEST(DrawButton, PressedFaceIsACheckerboardUnderASunkenEdgeWithTheIconAtFour) {
    RecordingCanvas canvas;
    RecordingPicture arrowDown("ArrowDown");
    Draw_Button(canvas, 0, 0, 22, 22, 1, arrowDown);

    for (const CanvasOp& op : canvas.ops)
        EXPECT_FALSE(op.kind == CanvasOp::Fill) << "a pressed face is not filled first";
    ASSERT_GE(canvas.ops.size(), 2u);
    const CanvasOp& edge = canvas.ops[canvas.ops.size() - 2];
    EXPECT_EQ(edge.kind, CanvasOp::Edge);
    EXPECT_EQ(edge.style, EdgeStyle::Sunken);
    EXPECT_EQ(edge.rect, (PixelRect{0, 0, 23, 23}));
    EXPECT_EQ(canvas.ops.back().kind, CanvasOp::Picture);
    EXPECT_EQ(canvas.ops.back().rect, (PixelRect{4, 4, 16, 16}));

    const auto grid = Rasterize(canvas.ops);
    for (int y = 2; y <= 20; ++y)
        for (int x = 2; x <= 20; ++x)
            EXPECT_EQ(grid[y][x], (x + y) % 2 == 0 ? COLOR_REF_3DHIGHLIGHT : COLOR_REF_3DLIGHT)
                << "pixel " << x << "," << y;
}

TEST(DrawField, FillsThenSinksTheWholeBox) {
    RecordingCanvas canvas;
    Draw_Field(canvas, 0, 0, 183, 22, COLOR_REF_HIGHLIGHT);
    ASSERT_EQ(canvas.ops.size(), 2u);
    EXPECT_EQ(canvas.ops[0].kind, CanvasOp::Fill);
    EXPECT_EQ(canvas.ops[0].rect, (PixelRect{0, 0, 184, 23}));
    EXPECT_EQ(canvas.ops[0].color, COLOR_REF_HIGHLIGHT);
    EXPECT_EQ(canvas.ops[1].kind, CanvasOp::Edge);
    EXPECT_EQ(canvas.ops[1].rect, (PixelRect{0, 0, 184, 23}));
    EXPECT_EQ(canvas.ops[1].style, EdgeStyle::Sunken);
}

TEST(PanelIcons, ArtBecomesPixelsWithAMask) {
    const PictureBits bits = ToPictureBits(ARROW_DOWN_ART);
    ASSERT_EQ(bits.Width, 16);
    ASSERT_EQ(bits.Height, 16);
    ASSERT_EQ(bits.Rgb.size(), 256u);
    EXPECT_EQ(bits.Transparent[0], 1);            // corners let the face show
    EXPECT_EQ(bits.Rgb[2 * 16 + 5], 0x000000u);   // the tip of the outline
    EXPECT_EQ(bits.Transparent[2 * 16 + 5], 0);
    EXPECT_EQ(bits.Rgb[7 * 16 + 7], 0xFFFFFFu);   // filled with white
}

TEST(PanelIcons, FilledTriangleIsTheHollowOneWithAWhiteInside) {
    for (int y = 0; y < 16; ++y) {
        int left = 16, right = -1;
        for (int x = 0; x < 16; ++x) {
            const uint8_t hollow = ARROW_UP_ART.Pixels[y * 16 + x], filled = ARROW_DOWN_ART.Pixels[y * 16 + x];
            if (hollow != TRANSPARENT_PIXEL) {
                EXPECT_EQ(filled, hollow) << "outline differs at " << x << "," << y;
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        for (int x = left + 1; x < right; ++x) {
            EXPECT_EQ(ARROW_UP_ART.Pixels[y * 16 + x], TRANSPARENT_PIXEL) << "hollow at " << x << "," << y;
            const uint8_t filled = ARROW_DOWN_ART.Pixels[y * 16 + x];
            ASSERT_NE(filled, TRANSPARENT_PIXEL) << "filled at " << x << "," << y;
            EXPECT_EQ(ICON_PALETTE[filled], 0xFFFFFFu);
        }
    }
}

TEST(PanelIcons, OpenPadlockHasTheClosedOnesBodyAndARaisedShackle) {
    auto firstOpaqueRow = [](const IconArt& art) {
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (art.Pixels[y * 16 + x] != TRANSPARENT_PIXEL) return y;
        return 16;
    };
    EXPECT_LT(firstOpaqueRow(LOCK_UP_ART), firstOpaqueRow(LOCK_DOWN_ART));
    for (int i = 7 * 16; i < 256; ++i) EXPECT_EQ(LOCK_UP_ART.Pixels[i], LOCK_DOWN_ART.Pixels[i]);
    EXPECT_NE(LOCK_UP_ART.Pixels, LOCK_DOWN_ART.Pixels);
}

}  // namespace
}  // namespace slotpad
