// SlotPad.exe and CLIP.OCX for real, in a folder of their own: capture from another
// program and from the X display, closing to the notification area, exit and shutdown,
// a second start, and a missing control.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <memory>
#include <vector>

#include "slotpad/platform/win32/Win32FileStore.h"
#include "slotpad/store/SettingsFile.h"
#include "tests/support/win32/Desktop.h"

namespace slotpad::e2e {
namespace {

namespace fs = std::filesystem;

using RegisterFn = HRESULT(STDAPICALLTYPE*)();

HRESULT CallExport(const fs::path& library, const char* name) {
    HMODULE module = LoadLibraryW(library.c_str());
    if (!module) return HRESULT_FROM_WIN32(GetLastError());
    auto fn = reinterpret_cast<RegisterFn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    const HRESULT hr = fn ? fn() : E_FAIL;
    FreeLibrary(module);
    return hr;
}

class SlotPadE2E : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder_ = fs::path(temp) / (L"SlotPad T\u00ebst " + std::to_wstring(GetCurrentProcessId()));
        fs::create_directories(folder_);
        for (const wchar_t* file : {L"SlotPad.exe", L"CLIP.OCX", L"slotpad-ini.exe"})
            fs::copy_file(fs::path(ProgramFolder()) / file, folder_ / file, fs::copy_options::overwrite_existing);
        ASSERT_EQ(CallExport(folder_ / L"CLIP.OCX", "DllRegisterServer"), S_OK);
    }

    static void TearDownTestSuite() {
        CallExport(folder_ / L"CLIP.OCX", "DllUnregisterServer");
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    void SetUp() override {
        std::error_code ignored;
        fs::remove(Ini(), ignored);
        fs::remove(folder_ / L"SlotPad.ini.bak", ignored);
    }

    void TearDown() override {
        for (auto& p : running_) {
            if (p->Running()) p->Kill();
        }
    }

    static fs::path Ini() { return folder_ / L"SlotPad.ini"; }

    // Writes a settings file as an earlier run would have left it.
    void Seed(const std::vector<SlotRecord>& slots, Settings settings = {}) {
        Win32FileStore files;
        SettingsStore store(files);
        SlotList list;
        for (const SlotRecord& slot : slots) {
            int16_t node = 0;
            list.Insert_Node(slot, POS_BOTTOM, node);
        }
        store.Record.WindowLeft = 1500;
        store.Record.WindowTop = 1500;
        store.Record.WindowWidth = 3600;
        store.Record.WindowHeight = 3000;
        ASSERT_TRUE(store.Save_To(Utf8(Ini().wstring()), list, settings));
    }

    // Starts SlotPad and waits until it has loaded and watches the clipboard.
    HWND Start() {
        running_.push_back(std::make_unique<Process>((folder_ / L"SlotPad.exe").wstring(), L"", folder_.wstring()));
        Process& p = *running_.back();
        EXPECT_TRUE(p.Started());
        HWND window = FindWindowOf(p.Id(), L"SlotPadMain", 20000);
        EXPECT_NE(window, nullptr) << "SlotPad's window did not appear";
        p.WaitIdle(10000);
        return window;
    }
    Process& Last() { return *running_.back(); }

    // The close box: SlotPad hides and saves.
    static void CloseBox(HWND window) {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(window, WM_SYSCOMMAND, SC_CLOSE, 0, SMTO_NORMAL, 10000, &ignored);
    }

    static std::vector<std::string> SavedTexts() {
        Win32FileStore files;
        SettingsStore store(files);
        SlotList list;
        Settings settings;
        store.Load_From(Utf8(Ini().wstring()), {}, list, settings);
        std::vector<std::string> texts;
        for (int16_t n = list.HeadNode, i = 0; i <= list.LastPos && n != NIL_NODE; ++i, n = list.Nodes[n].NextNode)
            texts.push_back(list.Nodes[n].Slot.Text);
        return texts;
    }

    // Saves through the close box until `text` is in a slot, for at most a few seconds:
    // a copy on the X display reaches Wine's viewers a moment later.
    static bool SavedSoon(HWND window, const std::string& text) {
        for (int attempt = 0; attempt < 40; ++attempt) {
            CloseBox(window);
            for (const auto& t : SavedTexts())
                if (t == text) return true;
            PumpFor(150);
        }
        return false;
    }

    nlohmann::json Dump() {
        const RunResult r = e2e::Run((folder_ / L"slotpad-ini.exe").wstring(), L"dump \"" + Ini().wstring() + L"\"");
        EXPECT_EQ(r.exitCode, 0u) << r.out;
        return nlohmann::json::parse(r.out, nullptr, false);
    }

    static std::vector<std::string> Texts(const nlohmann::json& dump) {
        std::vector<std::string> texts;
        for (const auto& slot : dump["slots"]) texts.push_back(slot["Text"]);
        return texts;
    }

    static fs::path folder_;
    std::vector<std::unique_ptr<Process>> running_;
};

fs::path SlotPadE2E::folder_;

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
    wchar_t text[1024] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 1024);
    const std::wstring message = text;
    EXPECT_NE(message.find(L"CLIP.OCX"), std::wstring::npos);
    EXPECT_NE(message.find(L"regsvr32"), std::wstring::npos);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    const auto code = p.Wait(10000);
    ASSERT_TRUE(code.has_value());
    EXPECT_NE(*code, 0u);
    EXPECT_FALSE(fs::exists(Ini())) << "nothing was saved";
    ASSERT_EQ(CallExport(folder_ / L"CLIP.OCX", "DllRegisterServer"), S_OK);
}

}  // namespace
}  // namespace slotpad::e2e
