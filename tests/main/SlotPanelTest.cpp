#include "slotpad/main/panel/SlotPanel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "slotpad/main/panel/PanelColors.h"
#include "tests/main/PanelFakes.h"
#include "tests/main/RecordingSurface.h"

namespace slotpad {
namespace {

using namespace panel;
using testing::FakeMainWindow;
using testing::FormScreen;
using testing::RecordingSurface;
using testing::SurfaceOp;

class SlotPanelTest : public ::testing::Test {
protected:
    SlotPanelTest() {
        window.onResize = [this] { panel.Form_Resize(); };
        panel.ResizeStuff();
        panel.NonClientHeight = static_cast<int16_t>(window.NonClientTwips());
        panel.Load_Pictures();
    }

    std::vector<int16_t> AddSlots(const std::vector<std::string>& texts) {
        std::vector<int16_t> nodes;
        for (const std::string& text : texts) {
            int16_t node = NO_FREE_NODE;
            list.Insert_Node(SlotRecord{VB_FALSE, text, text}, POS_BOTTOM, node);
            nodes.push_back(node);
        }
        return nodes;
    }

    // Runs a repaint and returns what reached the surface.
    std::vector<SurfaceOp> Repaint() {
        surface.surfaceOps.clear();
        panel.Refresh_Pics();
        return surface.surfaceOps;
    }

    static std::vector<SurfaceOp> BlitsAt(const std::vector<SurfaceOp>& ops, int y) {
        std::vector<SurfaceOp> row;
        for (const SurfaceOp& op : ops)
            if (op.kind == SurfaceOp::Blit && op.y == y) row.push_back(op);
        return row;
    }

    static std::string LookAt(const std::vector<SurfaceOp>& ops, int x, int y) {
        for (const SurfaceOp& op : ops)
            if (op.kind == SurfaceOp::Blit && op.x == x && op.y == y) return op.look;
        return "(none)";
    }

    SlotList list;
    Settings settings;
    FormScreen screen;
    FakeMainWindow window{screen};
    RecordingSurface surface;
    SlotPanel panel{list, settings, window, screen, surface};
};

TEST_F(SlotPanelTest, EachRowShowsItsSlotWithTheCurrentOnePressedAndHighlighted) {
    const auto nodes = AddSlots({"first", "second", "third"});
    list.Nodes[nodes[1]].Slot.Locked = VB_TRUE;
    list.Nodes[nodes[2]].Slot.Locked = 1;  // any set flag counts
    settings.CurSlot = nodes[1];
    window.clientWidth = 232;
    window.clientHeight = 71;

    const auto ops = Repaint();
    for (int r = 0; r < 3; ++r) {
        const int y = 24 * r;
        const bool current = r == 1;
        EXPECT_EQ(BlitsAt(ops, y).size(), 3u) << "row " << r;
        EXPECT_EQ(LookAt(ops, 0, y), current ? "down:ArrowDown" : "up:ArrowUp") << "row " << r;
        EXPECT_EQ(LookAt(ops, 24, y), r == 0 ? "up:LockUp" : "down:LockDown") << "row " << r;
        EXPECT_EQ(LookAt(ops, 48, y), current ? "high" : "norm") << "row " << r;
    }
    const auto texts = surface.OfKind(SurfaceOp::Text);
    ASSERT_EQ(texts.size(), 3u);
    const char* expected[] = {"first", "second", "third"};
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(texts[r].text, expected[r]);
        EXPECT_EQ(texts[r].rect, (PixelRect{51, 24 * r + 2, 229, 24 * r + 20}));
        EXPECT_EQ(texts[r].color, r == 1 ? COLOR_REF_HIGHLIGHTTEXT : COLOR_REF_WINDOWTEXT);
    }
    EXPECT_EQ(ops.back().kind, SurfaceOp::Present);
    EXPECT_EQ(surface.OfKind(SurfaceOp::Present).size(), 1u);
    EXPECT_EQ(panel.RowSlot()[0], nodes[0]);
    EXPECT_EQ(panel.RowSlot()[1], nodes[1]);
    EXPECT_EQ(panel.RowSlot()[2], nodes[2]);
}

TEST_F(SlotPanelTest, RowSlotFollowsTheListOrderNotTheNodeNumbers) {
    const auto nodes = AddSlots({"a", "b", "c", "d"});
    list.Move_Node(nodes[3], POS_TOP);
    list.Move_Node(nodes[0], nodes[2]);
    Repaint();
    const int16_t order[] = {nodes[3], nodes[1], nodes[2], nodes[0]};
    for (int r = 0; r < 4; ++r) EXPECT_EQ(panel.RowSlot()[r], order[r]) << "row " << r;
    const auto texts = surface.OfKind(SurfaceOp::Text);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].text, "d");
    EXPECT_EQ(texts[3].text, "a");
}

TEST_F(SlotPanelTest, AChainEndingEarlyLeavesPlainRowsWithoutSlots) {
    const auto nodes = AddSlots({"a", "b", "c"});
    list.Nodes[nodes[1]].NextNode = NIL_NODE;  // LastPos still says three slots
    settings.CurSlot = nodes[0];
    auto ops = Repaint();
    EXPECT_EQ(panel.RowSlot()[2], NIL_NODE);
    EXPECT_EQ(LookAt(ops, 0, 48), "up:ArrowUp");
    EXPECT_EQ(LookAt(ops, 24, 48), "up:LockUp");
    EXPECT_EQ(LookAt(ops, 48, 48), "norm");
    EXPECT_EQ(surface.OfKind(SurfaceOp::Text).size(), 2u);

    // With no current slot, NIL_NODE is "current": the slotless row shows pressed.
    settings.CurSlot = NIL_NODE;
    ops = Repaint();
    EXPECT_EQ(LookAt(ops, 0, 48), "down:ArrowDown");
    EXPECT_EQ(LookAt(ops, 48, 48), "high");
    EXPECT_EQ(LookAt(ops, 0, 0), "up:ArrowUp");

    // A link to no node at all (a damaged list) ends the chain the same way, as a repaint
    // from scratch shows.
    list.Nodes[nodes[1]].NextNode = 500;
    surface.surfaceOps.clear();
    panel.Sys_SysColorsChanged();
    EXPECT_EQ(panel.RowSlot()[2], NIL_NODE);
    EXPECT_EQ(surface.OfKind(SurfaceOp::Text).size(), 2u);
}

TEST_F(SlotPanelTest, AnEmptyListPaintsNoRowButStillShowsTheSurface) {
    const auto ops = Repaint();
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].kind, SurfaceOp::Present);
}

TEST_F(SlotPanelTest, RowsBelowTheClientAreaGetSpritesButNoText) {
    AddSlots({"a", "b", "c", "d"});
    window.clientHeight = 48;  // row 2 starts exactly at the client height, row 3 below it
    const auto ops = Repaint();
    EXPECT_EQ(BlitsAt(ops, 72).size(), 3u);
    const auto texts = surface.OfKind(SurfaceOp::Text);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts.back().text, "c");
}

TEST_F(SlotPanelTest, LongTextsAreHandedOnOnlyAsFarAsTheyCanShow) {
    const std::string longText = std::string(65536, 'x') + "\r\nsecond\r\nthird";
    AddSlots({longText});
    Repaint();
    auto texts = surface.OfKind(SurfaceOp::Text);
    ASSERT_EQ(texts.size(), 1u);
    // 178 pixels at 5 per character, one pixel of overhang.
    EXPECT_EQ(texts[0].text, std::string(36, 'x') + "\r\nsecond");

    panel.SetDrawWholeTexts(true);
    Repaint();
    texts = surface.OfKind(SurfaceOp::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, longText);
}

TEST_F(SlotPanelTest, FormResizeSnapsTheHeightToTheSlotsAndRepaintsOnce) {
    struct Case { int slots; int clientHeight; };
    for (Case c : {Case{1, 23}, Case{3, 71}, Case{71, 1703}}) {
        list.Init_List();
        AddSlots(std::vector<std::string>(c.slots, "text"));
        window.clientHeight = 400;
        surface.surfaceOps.clear();
        panel.Form_Resize();
        EXPECT_EQ(window.clientHeight, c.clientHeight) << c.slots << " slots";
        EXPECT_EQ(window.lastHeightTwips, (c.clientHeight + window.nonClientPixels) * 15);
        // The height change raised the resize event again; that nested call did nothing.
        EXPECT_EQ(surface.OfKind(SurfaceOp::Present).size(), 1u);
        EXPECT_EQ(BlitsAt(surface.surfaceOps, 24 * (c.slots - 1)).size(), 3u);
        const auto resizes = surface.OfKind(SurfaceOp::Resize);
        ASSERT_EQ(resizes.size(), 1u);
        EXPECT_EQ(resizes[0].y, c.clientHeight);
    }
    // The panel is usable again after the nested call: a later resize snaps again.
    window.clientHeight = 500;
    panel.Form_Resize();
    EXPECT_EQ(window.clientHeight, 1703);
}

TEST_F(SlotPanelTest, AnEmptyListAsksForAClientHeightOfMinusOne) {
    window.minimumClientHeight = 0;
    panel.Form_Resize();
    EXPECT_EQ(window.lastHeightTwips, (window.nonClientPixels - 1) * 15);
    EXPECT_EQ(window.clientHeight, 0);  // the platform's minimum applies
}

TEST_F(SlotPanelTest, MinimizedAndMaximizedWindowsKeepTheirHeight) {
    AddSlots({"a", "b"});
    for (WindowState state : {WindowState::Minimized, WindowState::Maximized}) {
        window.state = state;
        window.clientHeight = 600;
        window.setHeightCalls = 0;
        surface.surfaceOps.clear();
        panel.Form_Resize();
        EXPECT_EQ(window.setHeightCalls, 0);
        EXPECT_EQ(window.clientHeight, 600);
        EXPECT_EQ(surface.OfKind(SurfaceOp::Present).size(), 1u);
    }
}

TEST_F(SlotPanelTest, TextSpritesFollowTheClientWidthAndNeverGoNegative) {
    struct Overlay : TextCellOverlay {
        int left = -1, width = -1, height = -1;
        void SetCellGeometry(int l, int w, int h) override { left = l, width = w, height = h; }
    } overlay;
    panel.SetOverlay(&overlay);
    AddSlots({"some text"});

    struct Case { int clientWidth; int cellWidth; bool text; };
    for (Case c : {Case{400, 352, true}, Case{55, 7, true}, Case{54, 6, false}, Case{48, 0, false},
                   Case{30, 0, false}, Case{0, 0, false}}) {
        window.clientWidth = c.clientWidth;
        surface.surfaceOps.clear();
        panel.Form_Resize();
        EXPECT_EQ(panel.TextCellWidth(), c.cellWidth) << "client width " << c.clientWidth;
        EXPECT_EQ(overlay.left, 48);
        EXPECT_EQ(overlay.width, c.cellWidth);
        EXPECT_EQ(overlay.height, 23);
        bool blitted = false;
        for (const SurfaceOp& op : surface.OfKind(SurfaceOp::Blit)) {
            if (op.x != 48) continue;
            blitted = true;
            EXPECT_EQ(op.width, c.cellWidth);
            EXPECT_EQ(op.look, "norm");  // rendered anew at the new width
        }
        EXPECT_TRUE(blitted);
        // Text is drawn only while its rectangle is not empty.
        EXPECT_EQ(surface.OfKind(SurfaceOp::Text).size(), c.text ? 1u : 0u) << "client width " << c.clientWidth;
    }
}

TEST_F(SlotPanelTest, AColourChangeClearsShowsRendersAllSpritesAndRepaints) {
    AddSlots({"a"});
    std::vector<int> rendersBefore;
    for (auto* sprite : surface.sprites) rendersBefore.push_back(sprite->renders);
    surface.surfaceOps.clear();

    panel.Sys_SysColorsChanged();

    const auto& ops = surface.surfaceOps;
    ASSERT_GE(ops.size(), 3u);
    EXPECT_EQ(ops[0].kind, SurfaceOp::Clear);
    EXPECT_EQ(ops[1].kind, SurfaceOp::Present);
    EXPECT_EQ(ops.back().kind, SurfaceOp::Present);
    EXPECT_EQ(BlitsAt(ops, 0).size(), 3u);
    ASSERT_EQ(surface.sprites.size(), 6u);
    for (std::size_t i = 0; i < surface.sprites.size(); ++i)
        EXPECT_EQ(surface.sprites[i]->renders, rendersBefore[i] + 1) << "sprite " << i;
}

}  // namespace
}  // namespace slotpad
