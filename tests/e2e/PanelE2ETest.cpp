// The shown window under real pointer input from the X display (xdotool): clicks select
// and lock slots, a Shift-drag reorders them, and the height snaps back after a resize.

#include <string>
#include <vector>

#include "tests/e2e/SlotPadFixture.h"
#include "win32/Utf.h"

#include <commctrl.h>

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

// The tool tip window SlotPad shows, once visible, within `ms`.
static HWND VisibleToolTip(DWORD pid, DWORD ms) {
    const DWORD deadline = GetTickCount() + ms;
    do {
        HWND tip = FindWindowOf(pid, L"tooltips_class32", 100);
        if (tip && IsWindowVisible(tip)) return tip;
        PumpFor(100);
    } while (static_cast<LONG>(GetTickCount() - deadline) < 0);
    return nullptr;
}

// The text of SlotPad's one tool, asked with TTM_GETTEXTW through a buffer in SlotPad's
// own memory (the message carries pointers).
static std::wstring ToolText(DWORD pid, HWND tip, HWND owner) {
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process) return L"?";
    constexpr SIZE_T kChars = 256;
    const SIZE_T size = sizeof(TOOLINFOW) + kChars * sizeof(wchar_t);
    auto* remote = static_cast<char*>(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
    std::wstring text = L"?";
    if (remote) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = owner;
        tool.uId = 1;
        tool.lpszText = reinterpret_cast<wchar_t*>(remote + sizeof(TOOLINFOW));
        std::vector<wchar_t> buffer(kChars, L'\0');
        WriteProcessMemory(process, remote, &tool, sizeof(tool), nullptr);
        WriteProcessMemory(process, remote + sizeof(TOOLINFOW), buffer.data(), kChars * sizeof(wchar_t), nullptr);
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(tip, TTM_GETTEXTW, kChars, reinterpret_cast<LPARAM>(remote), SMTO_NORMAL, 5000, &ignored);
        if (ReadProcessMemory(process, remote + sizeof(TOOLINFOW), buffer.data(), kChars * sizeof(wchar_t), nullptr))
            text = buffer.data();
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return text;
}

TEST_F(PanelE2E, HoveringARowShowsItsDescriptionAsAToolTip) {
    HWND window = StartShown();
    ASSERT_TRUE(window);
    ASSERT_TRUE(RunOnXDisplay("xdotool mousemove " + At(window, 120, RowY(0)) + " sleep 0.2 mousemove " +
                              At(window, 125, RowY(1))));
    HWND tip = VisibleToolTip(Last().Id(), 4000);
    ASSERT_NE(tip, nullptr) << "no tool tip appeared over the row";
    EXPECT_EQ(ToolText(Last().Id(), tip, window), L"second");
    RECT area{};
    GetWindowRect(tip, &area);
    POINT row{0, 24};
    ClientToScreen(window, &row);
    EXPECT_GE(area.top, row.y) << "shown at the hovered row, below the pointer";
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

// Real input all the way: a double-click on a row opens Edit Selection on that slot, both
// boxes are typed into, OK puts the new text on the clipboard and the save keeps both.
TEST_F(PanelE2E, DoubleClickEditsTheRowsTextAndDescription) {
    HWND window = StartShown();
    ASSERT_TRUE(window);
    ASSERT_TRUE(RunOnXDisplay("xdotool mousemove " + At(window, 120, RowY(1)) + " click --repeat 2 --delay 80 1"));
    HWND dialog = nullptr;
    for (int i = 0; i < 100 && !(dialog && IsWindowVisible(dialog)); ++i) {
        dialog = FindWindowOf(Last().Id(), L"#32770", 100);
        PumpFor(50);
    }
    ASSERT_TRUE(dialog && IsWindowVisible(dialog)) << "Edit Selection did not open";
    PumpFor(300);
    const HWND tip = GetDlgItem(GetDlgItem(dialog, 1002), 1004);
    const HWND ok = GetDlgItem(dialog, 1005);
    ASSERT_TRUE(tip && ok);

    // Editing has the focus and the caret at its start.
    ASSERT_TRUE(RunOnXDisplay("xdotool key End type --delay 40 ' edited'"));
    POINT tipAt{5, 5};
    ClientToScreen(tip, &tipAt);
    ASSERT_TRUE(RunOnXDisplay("xdotool mousemove " + std::to_string(tipAt.x) + " " + std::to_string(tipAt.y) +
                              " click 1 sleep 0.2 key End type --delay 40 ' note'"));
    PumpFor(300);
    wchar_t shotDir[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"SLOTPAD_SHOT_DIR", shotDir, MAX_PATH)) {
        RECT frame{};
        GetWindowRect(dialog, &frame);
        const std::string geometry = std::to_string(frame.right - frame.left) + "x" +
                                     std::to_string(frame.bottom - frame.top) + "+" + std::to_string(frame.left) +
                                     "+" + std::to_string(frame.top);
        EXPECT_TRUE(RunOnXDisplay("import -window root -crop " + geometry + " +repage '" +
                                  foundation::Narrow(shotDir) + "/editsel.png'"));
    }
    POINT okAt{10, 10};
    ClientToScreen(ok, &okAt);
    ASSERT_TRUE(RunOnXDisplay("xdotool mousemove " + std::to_string(okAt.x) + " " + std::to_string(okAt.y) +
                              " click 1"));
    PumpFor(500);
    EXPECT_FALSE(IsWindowVisible(dialog));
    EXPECT_EQ(ReadClipboard(), std::optional<std::string>("beta edited"));

    CloseBox(window);
    const nlohmann::json dump = Dump();
    EXPECT_EQ(Texts(dump), (std::vector<std::string>{"alpha", "beta edited", "gamma"}));
    EXPECT_EQ(dump["slots"][1]["Description"], "second note");
    EXPECT_EQ(dump["CurSlot"], 1);
}

// The question's box, owned by SlotPad's window, found by its title.
HWND FindBox(const char* title) {
    for (int tries = 0; tries < 30; ++tries) {
        if (HWND box = FindWindowA("#32770", title)) return box;
        PumpFor(100);
    }
    return nullptr;
}

TEST_F(PanelE2E, DeletingALockedSlotFromItsMenuAsksAndOkDeletesIt) {
    Seed({SlotRecord{VB_FALSE, "alpha", "first"}, SlotRecord{VB_TRUE, "beta", "second"},
          SlotRecord{VB_FALSE, "gamma", "third"}});
    HWND window = Start();
    ASSERT_TRUE(window);
    ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
    PumpFor(500);
    // A right-click on the locked row, then "&Delete Slot" by its access key.
    ASSERT_TRUE(RunOnXDisplay("xdotool mousemove " + At(window, 120, RowY(1)) + " click 3 sleep 0.5 key d"));
    HWND box = FindBox("Confirm Delete");
    ASSERT_TRUE(box) << "the locked slot is not deleted without a question";
    char prompt[200] = {};
    GetDlgItemTextA(box, 0xFFFF, prompt, sizeof prompt);
    EXPECT_STREQ(prompt, "Are you sure you want to delete this locked buffer?");
    EXPECT_EQ(GetWindow(box, GW_OWNER), window) << "modal to the main window";
    EXPECT_FALSE(IsWindowEnabled(window));
    // OK is the default button.
    ASSERT_TRUE(RunOnXDisplay("xdotool key Return"));
    for (int tries = 0; tries < 30 && IsWindow(box); ++tries) PumpFor(100);
    EXPECT_FALSE(IsWindow(box));
    EXPECT_EQ(ReadXClipboard(), std::optional<std::string>("gamma")) << "the slot below became current";

    CloseBox(window);
    const nlohmann::json dump = Dump();
    EXPECT_EQ(Texts(dump), (std::vector<std::string>{"alpha", "gamma"}));
    EXPECT_EQ(dump["slots"][1]["node"], dump["CurSlot"]);
}

}  // namespace
}  // namespace slotpad::e2e
