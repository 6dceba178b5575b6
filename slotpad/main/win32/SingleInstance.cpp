#include "slotpad/main/win32/SingleInstance.h"

#include <cstdint>
#include <cwctype>

#include "slotpad/platform/win32/Utf.h"

namespace slotpad::win32 {

namespace {

// Kernel object names may not contain backslashes, so the folder is named by a hash of
// its case-folded path.
std::wstring ObjectName(const std::string& folder, const wchar_t* kind) {
    uint64_t hash = 14695981039346656037ull;
    for (wchar_t c : Widen(folder)) {
        hash ^= static_cast<uint64_t>(std::towlower(c));
        hash *= 1099511628211ull;
    }
    wchar_t hex[17];
    swprintf(hex, 17, L"%016llx", static_cast<unsigned long long>(hash));
    return std::wstring(L"Local\\SlotPad-") + kind + L"-" + hex;
}

}  // namespace

SingleInstance::SingleInstance(const std::string& folder) {
    mutex_.reset(CreateMutexW(nullptr, FALSE, ObjectName(folder, L"instance").c_str()));
    first_ = !(mutex_ && GetLastError() == ERROR_ALREADY_EXISTS);
    mapping_.reset(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(uint64_t),
                                      ObjectName(folder, L"window").c_str()));
    if (mapping_) view_.reset(MapViewOfFile(mapping_.get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(uint64_t)));
}

void SingleInstance::Publish(HWND mainWindow) {
    if (view_) *static_cast<volatile uint64_t*>(view_.get()) = reinterpret_cast<uintptr_t>(mainWindow);
}

bool SingleInstance::ShowFirstInstance(UINT showMessage) const {
    if (!view_) return false;
    // The first instance may still be starting: give it a moment to publish its window.
    for (int attempt = 0; attempt < 50; ++attempt) {
        const auto value = *static_cast<volatile uint64_t*>(view_.get());
        HWND window = reinterpret_cast<HWND>(static_cast<uintptr_t>(value));
        if (window && IsWindow(window)) {
            DWORD_PTR ignored = 0;
            return SendMessageTimeoutW(window, showMessage, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored) != 0;
        }
        Sleep(100);
    }
    return false;
}

}  // namespace slotpad::win32
