// The panel's pixels, rendered by the real GDI into a memory surface. Colours are read
// from the system each time (Wine's differ from Windows'), never written down.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "slotpad/main/panel/PanelIcons.h"
#include "tests/main/win32/PanelRig.h"

namespace slotpad::testing {
namespace {

using panel::IconArt;

COLORREF Sys(int index) { return GetSysColor(index); }

COLORREF PaletteColor(uint8_t index) {
    const uint32_t rgb = panel::ICON_PALETTE.at(index);
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// The four sides of a two-pixel 3-D edge, checked half-way along each side.
void ExpectEdge(const PanelRig& rig, int left, int top, int width, int height, bool raised,
                const std::string& what) {
    const int right = left + width - 1, bottom = top + height - 1;
    const int midX = left + width / 2, midY = top + height / 2;
    const COLORREF outerTopLeft = raised ? Sys(COLOR_3DLIGHT) : Sys(COLOR_BTNSHADOW);
    const COLORREF innerTopLeft = raised ? Sys(COLOR_BTNHIGHLIGHT) : Sys(COLOR_3DDKSHADOW);
    const COLORREF outerBottomRight = raised ? Sys(COLOR_3DDKSHADOW) : Sys(COLOR_BTNHIGHLIGHT);
    const COLORREF innerBottomRight = raised ? Sys(COLOR_BTNSHADOW) : Sys(COLOR_3DLIGHT);
    EXPECT_EQ(Hex(rig.At(midX, top)), Hex(outerTopLeft)) << what << " top";
    EXPECT_EQ(Hex(rig.At(left, midY)), Hex(outerTopLeft)) << what << " left";
    EXPECT_EQ(Hex(rig.At(midX, top + 1)), Hex(innerTopLeft)) << what << " top inner";
    EXPECT_EQ(Hex(rig.At(left + 1, midY)), Hex(innerTopLeft)) << what << " left inner";
    EXPECT_EQ(Hex(rig.At(midX, bottom)), Hex(outerBottomRight)) << what << " bottom";
    EXPECT_EQ(Hex(rig.At(right, midY)), Hex(outerBottomRight)) << what << " right";
    EXPECT_EQ(Hex(rig.At(midX, bottom - 1)), Hex(innerBottomRight)) << what << " bottom inner";
    EXPECT_EQ(Hex(rig.At(right - 1, midY)), Hex(innerBottomRight)) << what << " right inner";
}

// Inside the frame of a button: the icon where it is opaque; elsewhere the face, or for
// a pressed button the checkerboard (x + y even: 3-D highlight, odd: 3-D light).
void ExpectButton(const PanelRig& rig, int left, int top, bool pressed, const IconArt& art,
                  const std::string& what) {
    ExpectEdge(rig, left, top, 23, 23, !pressed, what);
    const int offset = pressed ? 4 : 3;
    int wrong = 0;
    for (int y = 2; y <= 20; ++y) {
        for (int x = 2; x <= 20; ++x) {
            COLORREF expected = pressed ? Sys((x + y) % 2 == 0 ? COLOR_3DHIGHLIGHT : COLOR_3DLIGHT) : Sys(COLOR_BTNFACE);
            const int ix = x - offset, iy = y - offset;
            if (ix >= 0 && ix < 16 && iy >= 0 && iy < 16) {
                const uint8_t index = art.Pixels[iy * 16 + ix];
                if (index != panel::TRANSPARENT_PIXEL) expected = PaletteColor(index);
            }
            if (rig.At(left + x, top + y) != expected && wrong++ < 5)
                ADD_FAILURE() << what << " pixel " << x << "," << y << " is " << Hex(rig.At(left + x, top + y))
                              << ", expected " << Hex(expected);
        }
    }
    EXPECT_EQ(wrong, 0) << what;
}

// The text cell's field colour where no text can reach: the columns between the edge
// and the text rectangle, and the row below the text rectangle.
void ExpectCellFill(const PanelRig& rig, int top, int cellWidth, COLORREF fill, const std::string& what) {
    ExpectEdge(rig, 48, top, cellWidth, 23, false, what);
    for (int x = 48 + 2; x < 48 + cellWidth - 2; ++x)
        ASSERT_EQ(Hex(rig.At(x, top + 20)), Hex(fill)) << what << " at x " << x;
    for (int y = top + 2; y <= top + 20; ++y) {
        ASSERT_EQ(Hex(rig.At(50, y)), Hex(fill)) << what << " at y " << y;
        ASSERT_EQ(Hex(rig.At(48 + cellWidth - 3, y)), Hex(fill)) << what << " at y " << y;
    }
}

int CountInTextRect(const PanelRig& rig, int top, int cellWidth, COLORREF color) {
    int count = 0;
    for (int y = top + 2; y < top + 20; ++y)
        for (int x = 51; x < 48 + cellWidth - 3; ++x) count += rig.At(x, y) == color;
    return count;
}

// Three rows: a plain one, the current one (locked), a locked one; all of it checked.
void ExpectEveryColour(PanelRig& rig) {
    const int cell = rig.panel.TextCellWidth();
    for (int x = 0; x < rig.window.clientWidth; ++x) {
        ASSERT_EQ(Hex(rig.At(x, 23)), Hex(Sys(COLOR_BTNFACE))) << "gap below row 0 at x " << x;
        ASSERT_EQ(Hex(rig.At(x, 47)), Hex(Sys(COLOR_BTNFACE))) << "gap below row 1 at x " << x;
    }
    for (int y = 0; y < 71; ++y) {
        ASSERT_EQ(Hex(rig.At(23, y)), Hex(Sys(COLOR_BTNFACE))) << "gap after the pointer at y " << y;
        ASSERT_EQ(Hex(rig.At(47, y)), Hex(Sys(COLOR_BTNFACE))) << "gap after the lock at y " << y;
    }
    ExpectButton(rig, 0, 0, false, panel::ARROW_UP_ART, "pointer of row 0");
    ExpectButton(rig, 0, 24, true, panel::ARROW_DOWN_ART, "pointer of the current row");
    ExpectButton(rig, 0, 48, false, panel::ARROW_UP_ART, "pointer of row 2");
    ExpectButton(rig, 24, 0, false, panel::LOCK_UP_ART, "lock of an unlocked row");
    ExpectButton(rig, 24, 24, true, panel::LOCK_DOWN_ART, "lock of the locked current row");
    ExpectButton(rig, 24, 48, true, panel::LOCK_DOWN_ART, "lock of a locked row");
    ExpectCellFill(rig, 0, cell, Sys(COLOR_WINDOW), "cell of row 0");
    ExpectCellFill(rig, 24, cell, Sys(COLOR_HIGHLIGHT), "cell of the current row");
    ExpectCellFill(rig, 48, cell, Sys(COLOR_WINDOW), "cell of row 2");
    EXPECT_GT(CountInTextRect(rig, 0, cell, Sys(COLOR_WINDOWTEXT)), 10) << "window text in row 0";
    EXPECT_GT(CountInTextRect(rig, 24, cell, Sys(COLOR_HIGHLIGHTTEXT)), 10) << "highlight text in the current row";
    // The other role's text colour must not appear, where it can be told from the fill.
    if (Sys(COLOR_WINDOWTEXT) != Sys(COLOR_HIGHLIGHT)) {
        EXPECT_EQ(CountInTextRect(rig, 24, cell, Sys(COLOR_WINDOWTEXT)), 0) << "window text in the current row";
    }
    if (Sys(COLOR_HIGHLIGHTTEXT) != Sys(COLOR_WINDOW)) {
        EXPECT_EQ(CountInTextRect(rig, 48, cell, Sys(COLOR_HIGHLIGHTTEXT)), 0) << "highlight text in row 2";
    }
}

PanelRig& ThreeRows(PanelRig& rig) {
    rig.Slot(1).Locked = VB_TRUE;
    rig.Slot(2).Locked = VB_TRUE;
    rig.MakeCurrent(1);
    rig.Start();
    return rig;
}

TEST(PanelPixels, RowsButtonsCellsAndTextsShowTheSystemColours) {
    PanelRig rig(232, {"Hello World", "Hello World", "Hello World"});
    ThreeRows(rig);
    ASSERT_EQ(rig.window.clientHeight, 71);
    ExpectEveryColour(rig);
}

TEST(PanelPixels, AColourSchemeChangeReachesEveryPixel) {
    PanelRig rig(232, {"Hello World", "Hello World", "Hello World"});
    ThreeRows(rig);
    const COLORREF oldFace = Sys(COLOR_BTNFACE);
    {
        // Every colour the panel shows, each different from the others and from
        // anything a scheme would use, so that a stale pixel cannot pass.
        ColorScheme scheme({{COLOR_WINDOW, RGB(250, 240, 200)},      {COLOR_WINDOWTEXT, RGB(0, 0, 160)},
                            {COLOR_HIGHLIGHT, RGB(0, 120, 40)},      {COLOR_HIGHLIGHTTEXT, RGB(255, 255, 0)},
                            {COLOR_BTNFACE, RGB(180, 160, 220)},     {COLOR_BTNSHADOW, RGB(90, 60, 30)},
                            {COLOR_BTNHIGHLIGHT, RGB(240, 250, 255)}, {COLOR_3DDKSHADOW, RGB(20, 20, 60)},
                            {COLOR_3DLIGHT, RGB(200, 220, 180)}});
        ASSERT_EQ(Sys(COLOR_BTNFACE), RGB(180, 160, 220));
        ASSERT_EQ(rig.At(23, 0), oldFace) << "nothing repaints before the notification";
        rig.panel.Sys_SysColorsChanged();
        ExpectEveryColour(rig);
    }
    EXPECT_EQ(Sys(COLOR_BTNFACE), oldFace) << "the scheme is put back";
    rig.panel.Sys_SysColorsChanged();
    ExpectEveryColour(rig);
}

// Each row's text against the same row drawn line by line with ExtTextOutA, which takes
// every character literally, clipped to the row's text rectangle. Lines are given here,
// not worked out, so that the line-break rules are checked as well.
TEST(PanelPixels, TextsAreDrawnLiterallyAndClippedToTheirRow) {
    struct Case { std::string text; std::vector<std::string> lines; };
    const std::vector<Case> cases = {
        {"&File", {"&File"}},
        {"a&&b &x &", {"a&&b &x &"}},
        {"first\r\nsecond\r\nthird", {"first", "second"}},
        {"cr\ronly\rthird", {"cr", "only"}},
        {"lf\nonly\nthird", {"lf", "only"}},
        {"lf cr\n\rpair\n\rthird", {"lf cr", "pair"}},
        {"two cr\r\rthird", {"two cr", ""}},
        {"two lf\n\nthird", {"two lf", ""}},
        {"tab\there", {"tab\there"}},
        {std::string(300, 'W'), {std::string(300, 'W')}},
        {"\r\nafter an empty line", {"", "after an empty line"}},
    };
    std::vector<std::string> texts;
    for (const Case& c : cases) texts.push_back(c.text);
    PanelRig rig(232, texts);
    rig.MakeCurrent(2);
    rig.Start();
    const std::vector<COLORREF> drawn = rig.surface.Pixels();

    for (size_t r = 0; r < cases.size(); ++r) rig.Slot(static_cast<int>(r)).Text.clear();
    rig.panel.Refresh_Pics();
    HDC dc = rig.surface.BufferDC();
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    const int right = 48 + rig.panel.TextCellWidth() - 3;
    for (size_t r = 0; r < cases.size(); ++r) {
        const int top = 24 * static_cast<int>(r);
        SetTextColor(dc, Sys(r == 2 ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        const RECT clip{51, top + 2, right, top + 20};
        for (size_t k = 0; k < cases[r].lines.size(); ++k) {
            const std::string& line = cases[r].lines[k];
            ExtTextOutA(dc, 51, top + 2 + static_cast<int>(k) * tm.tmHeight, ETO_CLIPPED, &clip, line.data(),
                        static_cast<UINT>(line.size()), nullptr);
        }
    }
    const std::vector<COLORREF> reference = rig.surface.Pixels();
    ASSERT_EQ(drawn.size(), reference.size());
    const int width = rig.surface.BufferWidth();
    for (size_t r = 0; r < cases.size(); ++r) {
        int differing = 0;
        for (int y = 24 * static_cast<int>(r); y < 24 * static_cast<int>(r) + 24; ++y)
            for (int x = 0; x < width; ++x) differing += drawn[y * width + x] != reference[y * width + x];
        EXPECT_EQ(differing, 0) << "row " << r << " differs from its reference";
    }
    // The second line of a text starts inside the rectangle and shows its top part.
    int secondLineInk = 0;
    for (int y = 2 * 24 + 2 + tm.tmHeight; y < 2 * 24 + 20; ++y)
        for (int x = 51; x < right; ++x) secondLineInk += rig.At(x, y) != Sys(COLOR_HIGHLIGHT);
    EXPECT_GT(secondLineInk, 0);
}

TEST(PanelPixels, TheClientHeightFitsTheSlotsExactly) {
    {
        PanelRig rig(232);
        rig.Start();
        EXPECT_EQ(rig.window.lastHeightTwips, rig.window.NonClientTwips() - 15) << "a client height of -1";
        for (COLORREF c : rig.surface.Pixels()) ASSERT_EQ(Hex(c), Hex(Sys(COLOR_BTNFACE))) << "an empty list paints no row";
    }
    {
        PanelRig rig(232, {"only"});
        rig.Start();
        EXPECT_EQ(rig.window.clientHeight, 23);
        ExpectEdge(rig, 48, 0, 184, 23, false, "the only row");
        EXPECT_EQ(Hex(rig.At(100, 22)), Hex(Sys(COLOR_BTNHIGHLIGHT))) << "its bottom edge ends the client area";
    }
    {
        std::vector<std::string> texts;
        for (int i = 0; i < 71; ++i) texts.push_back("slot " + std::to_string(i));
        PanelRig rig(232, texts);
        rig.Start();
        EXPECT_EQ(rig.window.clientHeight, 1703);
        ASSERT_GE(rig.surface.BufferHeight(), 1703);
        ExpectButton(rig, 0, 1680, false, panel::ARROW_UP_ART, "pointer of row 70");
        ExpectEdge(rig, 48, 1680, 184, 23, false, "cell of row 70");
        EXPECT_GT(CountInTextRect(rig, 1680, 184, Sys(COLOR_WINDOWTEXT)), 10) << "row 70 has its text";
        EXPECT_EQ(Hex(rig.At(11, 1679)), Hex(Sys(COLOR_BTNFACE))) << "the gap above row 70";
    }
}

TEST(PanelPixels, NarrowWindowsShowNoTextAndNoNegativeCell) {
    for (int width : {30, 47, 48, 50, 54}) {
        PanelRig rig(width, {std::string(200, 'W') + "\r\n" + std::string(200, 'W')});
        rig.Start();
        EXPECT_EQ(rig.panel.TextCellWidth(), std::max(0, width - 48));
        const std::vector<COLORREF> withText = rig.surface.Pixels();
        rig.Slot(0).Text.clear();
        rig.panel.Refresh_Pics();
        EXPECT_EQ(withText, rig.surface.Pixels()) << "width " << width << ": the text showed somewhere";
        for (int x = 48 + rig.panel.TextCellWidth(); x < width; ++x)
            EXPECT_EQ(Hex(rig.At(x, 11)), Hex(Sys(COLOR_BTNFACE))) << "width " << width << " at x " << x;
    }
}

TEST(PanelPixels, WideningTheWindowWidensEveryCell) {
    PanelRig rig(232, {"a", "b"});
    rig.Start();
    rig.window.clientWidth = 400;
    rig.panel.Form_Resize();
    ASSERT_GE(rig.surface.BufferWidth(), 400);
    EXPECT_EQ(rig.panel.TextCellWidth(), 352);
    ExpectEdge(rig, 48, 0, 352, 23, false, "widened row 0");
    ExpectEdge(rig, 48, 24, 352, 23, false, "widened row 1");
    rig.window.clientWidth = 150;
    rig.panel.Form_Resize();
    ExpectEdge(rig, 48, 0, 102, 23, false, "narrowed row 0");
    EXPECT_EQ(Hex(rig.At(200, 11)), Hex(Sys(COLOR_BTNFACE))) << "beyond the narrowed client area";
}

}  // namespace
}  // namespace slotpad::testing
