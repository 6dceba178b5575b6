#pragma once
// SlotPad.exe and CLIP.OCX for real, copied into a folder of their own (whose name is not
// plain ASCII), with the control registered from there.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <memory>
#include <vector>

#include "slotpad/platform/win32/Win32FileStore.h"
#include "slotpad/store/SettingsFile.h"
#include "tests/support/win32/Desktop.h"

namespace slotpad::e2e {

namespace fs = std::filesystem;

using RegisterFn = HRESULT(STDAPICALLTYPE*)();

inline HRESULT CallExport(const fs::path& library, const char* name) {
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
        // Joining the viewer chain reports the clipboard as it is; start from nothing.
        EmptyTheClipboard();
        PumpFor(200);
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

    static inline fs::path folder_;
    std::vector<std::unique_ptr<Process>> running_;
};

}  // namespace slotpad::e2e
