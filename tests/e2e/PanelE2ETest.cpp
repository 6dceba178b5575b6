// The shown window under real pointer input from the X display (xdotool): clicks select
// and lock slots, a Shift-drag reorders them, and the height snaps back after a resize.

#include <string>

#include "tests/e2e/SlotPadFixture.h"

namespace slotpad::e2e {
namespace {

class PanelE2E : public SlotPadE2E {
protected:
    // Starts SlotPad on three slots and shows its window.
    HWND StartShown() {
        Seed({SlotRecord{VB_FALSE, "alpha", "first"}, SlotRecord{VB_FALSE, "beta", "second"},
              SlotRecord{VB_FALSE, "gamma", "third"}});
        HWND window = Start();
        if (!window) return nullptr;
        ShowWindow(window, SW_SHOWNORMAL);
        SetForegroundWindow(window);
        PumpFor(500);
        return window;
    }

    // Screen position of a point in the client area, as xdotool wants it.
    static std::string At(HWND window, int x, int y) {
        POINT p{x, y};
        ClientToScreen(window, &p);
        return std::to_string(p.x) + " " + std::to_string(p.y);
    }
    static int RowY(int r) { return 24 * r + 11; }

    static void Click(HWND window, int x, int y) {
        ASSERT_TRUE(RunOnXDisplay("xdotool mousemove " + At(window, x, y) + " click 1"));
        PumpFor(400);
    }
};

TEST_F(PanelE2E, ClicksOnRowsPutTheirTextsOnTheClipboard) {
    HWND window = StartShown();
    ASSERT_TRUE(window);
    Click(window, 120, RowY(1));
    EXPECT_EQ(ReadXClipboard(), std::optional<std::string>("beta"));
    Click(window, 10, RowY(2));  // the pointer button
    EXPECT_EQ(ReadXClipboard(), std::optional<std::string>("gamma"));
    Click(window, 120, RowY(5));  // below the last row: nothing
    EXPECT_EQ(ReadXClipboard(), std::optional<std::string>("gamma"));

    CloseBox(window);
    const nlohmann::json dump = Dump();
    EXPECT_EQ(Texts(dump), (std::vector<std::string>{"alpha", "beta", "gamma"}));
    EXPECT_EQ(dump["CurSlot"], 2);
}

TEST_F(PanelE2E, LockButtonLocksAndTheSaveShowsIt) {
    HWND window = StartShown();
    ASSERT_TRUE(window);
    Click(window, 35, RowY(0));
    CloseBox(window);
    const nlohmann::json dump = Dump();
    EXPECT_EQ(dump["slots"][0]["Locked"], -1);
    EXPECT_EQ(dump["slots"][1]["Locked"], 0);
    EXPECT_EQ(dump["CurSlot"], 0);
}

TEST_F(PanelE2E, ShiftDragReordersTheSlots) {
    HWND window = StartShown();
    ASSERT_TRUE(window);
    ASSERT_TRUE(RunOnXDisplay("xdotool mousemove " + At(window, 120, RowY(2)) + " sleep 0.3 keydown shift sleep 0.2 " +
                              "mousedown 1 sleep 0.3 mousemove " + At(window, 120, RowY(1)) + " sleep 0.3 mousemove " +
                              At(window, 120, RowY(0)) + " sleep 0.3 mouseup 1 sleep 0.2 keyup shift"));
    PumpFor(500);
    CloseBox(window);
    const nlohmann::json dump = Dump();
    EXPECT_EQ(Texts(dump), (std::vector<std::string>{"gamma", "alpha", "beta"}));
    EXPECT_EQ(dump["slots"][0]["node"], dump["CurSlot"]) << "the dragged slot stays current";
}

TEST_F(PanelE2E, HeightSnapsBackAfterAResize) {
    HWND window = StartShown();
    ASSERT_TRUE(window);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.bottom, 3 * 24 - 1);

    RECT frame{};
    GetWindowRect(window, &frame);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + 60, frame.bottom - frame.top + 150,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpFor(500);
    GetClientRect(window, &client);
    EXPECT_EQ(client.bottom, 3 * 24 - 1) << "the height snaps back to the slots";
    GetWindowRect(window, &frame);
    EXPECT_GT(client.right, 232) << "the width is free";
}

TEST_F(PanelE2E, SeventyOneSlotsShowInFullEvenTallerThanTheScreen) {
    std::vector<SlotRecord> slots;
    for (int i = 0; i < MAX_NODES; ++i) slots.push_back(SlotRecord{VB_FALSE, "slot " + std::to_string(i), ""});
    Seed(slots);
    HWND window = Start();
    ASSERT_TRUE(window);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.bottom, 1703);
}

}  // namespace
}  // namespace slotpad::e2e
