// Capture from another program and from the X display, closing to the notification area,
// exit and shutdown, a second start, and a missing control.

#include <fstream>
#include <iterator>

#include "tests/e2e/SlotPadFixture.h"

#include <shellapi.h>

namespace slotpad::e2e {
namespace {


TEST_F(SlotPadE2E, CapturesCopiesFromAnotherProgramAndFromXAndSavesOnCloseFromOutside) {
    Settings settings;
    settings.IgnoreCase = 0;
    settings.DescFont.Name = "Arial";
    Seed({SlotRecord{}, SlotRecord{}, SlotRecord{VB_TRUE, "kept", "kept"}}, settings);
    HWND window = Start();
    ASSERT_TRUE(window);
    EXPECT_FALSE(IsWindowVisible(window)) << "SlotPad starts in the notification area";

    CopyFromThisProcess("copied by another program");
    ASSERT_TRUE(SavedSoon(window, "copied by another program"));
    CopyOnXDisplay("copied on the X display");
    ASSERT_TRUE(SavedSoon(window, "copied on the X display"));

    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_CLOSE, 0, 0, SMTO_NORMAL, 10000, &ignored);
    EXPECT_EQ(Last().Wait(10000), std::optional<DWORD>(0u));

    const nlohmann::json dump = Dump();
    EXPECT_EQ(dump["marker"], "1.00.50");
    EXPECT_EQ(Texts(dump), (std::vector<std::string>{"copied by another program", "copied on the X display", "kept"}));
    EXPECT_EQ(dump["CurSlot"], 1);
    EXPECT_EQ(dump["slots"][2]["Locked"], -1);
    EXPECT_EQ(dump["settings"]["IgnoreCase"], 0);
    EXPECT_EQ(dump["settings"]["DescFont"]["Name"], "Arial");
    EXPECT_EQ(dump["slots"][0]["Description"], "copied by another program");
}

TEST_F(SlotPadE2E, CloseBoxHidesSavesAndCaptureGoesOn) {
    Seed({SlotRecord{}, SlotRecord{}});
    HWND window = Start();
    ASSERT_TRUE(window);
    ShowWindow(window, SW_SHOW);
    CopyFromThisProcess("before the close");
    ASSERT_TRUE(SavedSoon(window, "before the close"));
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(Last().Running());

    CopyFromThisProcess("while in the notification area");
    ASSERT_TRUE(SavedSoon(window, "while in the notification area"));
    EXPECT_TRUE(Last().Running());
}

TEST_F(SlotPadE2E, PasswordsMarkedForNoMonitorsAreNeverSaved) {
    Seed({SlotRecord{}, SlotRecord{}});
    HWND window = Start();
    ASSERT_TRUE(window);
    CopyPrivately("hunter2");
    CopyFromThisProcess("an ordinary copy");
    ASSERT_TRUE(SavedSoon(window, "an ordinary copy"));
    EXPECT_EQ(SavedTexts(), (std::vector<std::string>{"an ordinary copy", ""}));
    std::string file;
    std::ifstream in(Ini(), std::ios::binary);
    file.assign(std::istreambuf_iterator<char>(in), {});
    EXPECT_EQ(file.find("hunter2"), std::string::npos);
}

TEST_F(SlotPadE2E, EndingTheTaskWithoutForceSavesAndEnds) {
    HWND window = Start();
    ASSERT_TRUE(window);
    CopyFromThisProcess("before taskkill");
    PumpFor(300);
    // taskkill without /f asks every top-level window of the program to close.
    const RunResult r = e2e::Run(L"C:\\windows\\system32\\taskkill.exe", L"/pid " + std::to_wstring(Last().Id()));
    EXPECT_EQ(Last().Wait(10000), std::optional<DWORD>(0u)) << r.out;
    EXPECT_EQ(SavedTexts(), std::vector<std::string>{"before taskkill"});
}

// Whether `window` has its notification icon (uID 1): only an existing icon can be changed.
static bool HasTrayIcon(HWND window) {
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data.hWnd = window;
    data.uID = 1;
    data.uFlags = NIF_TIP;
    wcscpy(data.szTip, L"SlotPad 1.0.8");
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

TEST_F(SlotPadE2E, TheIconComesBackWhenTheTaskbarIsRecreated) {
    HWND window = Start();
    ASSERT_TRUE(window);
    ASSERT_TRUE(HasTrayIcon(window));
    // What a restarted taskbar looks like to SlotPad: its icon gone, then the broadcast.
    NOTIFYICONDATAW gone{};
    gone.cbSize = NOTIFYICONDATAW_V1_SIZE;
    gone.hWnd = window;
    gone.uID = 1;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &gone));
    ASSERT_FALSE(HasTrayIcon(window));
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0, SMTO_NORMAL, 10000, &ignored);
    EXPECT_TRUE(HasTrayIcon(window));
}

TEST_F(SlotPadE2E, ShutdownSavesAndEnds) {
    HWND window = Start();
    ASSERT_TRUE(window);
    CopyFromThisProcess("before shutdown");
    PumpFor(300);
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 10000, &answer);
    EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE));
    SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 10000, &answer);
    EXPECT_EQ(Last().Wait(10000), std::optional<DWORD>(0u));
    EXPECT_EQ(SavedTexts(), std::vector<std::string>{"before shutdown"});
}

TEST_F(SlotPadE2E, ItsOwnClipboardWriteIsNotCaptured) {
    Seed({SlotRecord{VB_FALSE, "one", "one"}, SlotRecord{VB_FALSE, "two", "two"}, SlotRecord{}});
    HWND window = Start();
    ASSERT_TRUE(window);
    CopyFromThisProcess("one");  // makes "one" current without adding a slot
    ASSERT_TRUE(SavedSoon(window, "one"));

    // Down arrow: the next slot becomes current and its text goes to the clipboard.
    SendMessageW(window, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(ReadClipboard(), std::optional<std::string>("two"));
    std::optional<std::string> onX;
    for (int i = 0; i < 30 && onX != std::optional<std::string>("two"); ++i) {
        PumpFor(100);
        onX = ReadXClipboard();
    }
    EXPECT_EQ(onX, std::optional<std::string>("two")) << "the X display sees SlotPad's write";
    PumpFor(500);
    CloseBox(window);
    const nlohmann::json dump = Dump();
    EXPECT_EQ(Texts(dump), (std::vector<std::string>{"one", "two", ""})) << "no slot was filled or moved";
    EXPECT_EQ(dump["CurSlot"], 1);
}

TEST_F(SlotPadE2E, SecondStartShowsTheFirstAndEnds) {
    HWND first = Start();
    ASSERT_TRUE(first);
    Process second((folder_ / L"SlotPad.exe").wstring(), L"", folder_.wstring());
    EXPECT_EQ(second.Wait(15000), std::optional<DWORD>(0u));
    EXPECT_TRUE(Last().Running());
    EXPECT_TRUE(IsWindowVisible(first)) << "the running instance shows its window";
}

TEST_F(SlotPadE2E, MissingControlIsReportedAndTheProgramFails) {
    ASSERT_EQ(CallExport(folder_ / L"CLIP.OCX", "DllUnregisterServer"), S_OK);
    Process p((folder_ / L"SlotPad.exe").wstring(), L"", folder_.wstring());
    HWND box = FindWindowOf(p.Id(), L"#32770", 20000);
    ASSERT_NE(box, nullptr) << "no message box";
    // The box exists before it has its text: MessageBox sets it while the dialog initialises.
    wchar_t text[1024] = {};
    const DWORD deadline = GetTickCount() + 10000;
    while (GetDlgItemTextW(box, 0xFFFF, text, 1024) == 0 && static_cast<LONG>(GetTickCount() - deadline) < 0)
        PumpFor(50);
    const std::wstring message = text;
    EXPECT_NE(message.find(L"CLIP.OCX"), std::wstring::npos) << Utf8(message);
    EXPECT_NE(message.find(L"regsvr32"), std::wstring::npos) << Utf8(message);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    const auto code = p.Wait(10000);
    ASSERT_TRUE(code.has_value());
    EXPECT_NE(*code, 0u);
    EXPECT_FALSE(fs::exists(Ini())) << "nothing was saved";
    ASSERT_EQ(CallExport(folder_ / L"CLIP.OCX", "DllRegisterServer"), S_OK);
}

}  // namespace
}  // namespace slotpad::e2e
