#include "tests/bench/capture/SlotPadInstall.h"

#include <windows.h>

#include "slotpad/platform/win32/Win32FileStore.h"
#include "slotpad/store/SettingsFile.h"
#include "tests/support/win32/Desktop.h"

namespace slotpad::bench {

namespace fs = std::filesystem;

namespace {

// DllRegisterServer or DllUnregisterServer of the control, loaded from `library`.
HRESULT CallServerExport(const fs::path& library, const char* name) {
    HMODULE module = LoadLibraryW(library.c_str());
    if (!module) return HRESULT_FROM_WIN32(GetLastError());
    using ServerExport = HRESULT(STDAPICALLTYPE*)();
    auto fn = reinterpret_cast<ServerExport>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    const HRESULT hr = fn ? fn() : E_FAIL;
    FreeLibrary(module);
    return hr;
}

}  // namespace

SlotPadInstall::SlotPadInstall() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = fs::path(temp) / (L"SlotPad capture bench " + std::to_wstring(GetCurrentProcessId()));
    std::error_code failed;
    fs::create_directories(folder_, failed);
    for (const wchar_t* file : {L"SlotPad.exe", L"CLIP.OCX"}) {
        if (!failed) fs::copy_file(fs::path(e2e::ProgramFolder()) / file, folder_ / file,
                                   fs::copy_options::overwrite_existing, failed);
    }
    if (failed) {
        error_ = "could not copy SlotPad.exe and CLIP.OCX to " + e2e::Utf8(folder_.wstring()) + ": " + failed.message();
        return;
    }
    const HRESULT hr = CallServerExport(folder_ / L"CLIP.OCX", "DllRegisterServer");
    registered_ = hr == S_OK;
    if (!registered_) error_ = "CLIP.OCX's DllRegisterServer failed: " + std::to_string(static_cast<long>(hr));
}

SlotPadInstall::~SlotPadInstall() {
    if (registered_) CallServerExport(folder_ / L"CLIP.OCX", "DllUnregisterServer");
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

std::string SlotPadInstall::IniPath() const { return e2e::Utf8((folder_ / L"SlotPad.ini").wstring()); }

bool SlotPadInstall::Seed(const SlotsInOrder& slots, int16_t ignoreCase) const {
    SlotList list;
    Settings settings;
    settings.AddMode = PLACE_NEXT;
    settings.IgnoreCase = ignoreCase;
    for (size_t i = 0; i < slots.Texts.size(); ++i) {
        const std::string& text = slots.Texts[i];
        int16_t node = NIL_NODE;
        // The description a capture would have given the text: its first line.
        if (!list.Insert_Node(SlotRecord{VB_FALSE, text, text.substr(0, text.find("\r\n"))}, POS_BOTTOM, node))
            return false;
        if (static_cast<int>(i) == slots.Current) settings.CurSlot = node;
    }
    Win32FileStore files;
    SettingsStore store(files);
    // Inside a 1280 x 1024 display, so that the shown panel is really drawn.
    store.Record.WindowLeft = 1500;
    store.Record.WindowTop = 600;
    store.Record.WindowWidth = 4800;
    store.Record.WindowHeight = 6000;
    std::error_code ignored;
    fs::remove(folder_ / L"SlotPad.ini.bak", ignored);
    return store.Save_To(IniPath(), list, settings);
}

std::optional<SlotsInOrder> SlotPadInstall::Saved() const {
    Win32FileStore files;
    SettingsStore store(files);
    SlotList list;
    Settings settings;
    store.Load_From(IniPath(), {}, list, settings);
    if (list.LastPos < 0) return std::nullopt;
    SlotsInOrder saved;
    int16_t n = list.HeadNode;
    for (int i = 0; i <= list.LastPos && SlotList::Is_Node(n); ++i, n = list.Nodes[n].NextNode) {
        if (n == settings.CurSlot) saved.Current = i;
        saved.Texts.push_back(list.Nodes[n].Slot.Text);
    }
    return saved;
}

}  // namespace slotpad::bench
