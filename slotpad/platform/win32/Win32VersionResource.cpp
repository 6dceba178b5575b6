#include "slotpad/platform/win32/Win32VersionResource.h"

#include <cstdio>
#include <string>

#include "slotpad/platform/win32/Utf.h"
#include "win32/ModulePath.h"

namespace slotpad::win32 {

namespace {

std::string To_Ansi(std::wstring_view text) {
    if (text.empty()) return {};
    const int n = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                      nullptr);
    std::string out(n > 0 ? n : 0, '\0');
    if (n > 0)
        WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

}  // namespace

Win32VersionResource::Win32VersionResource(HMODULE module) {
    const std::wstring path = foundation::ModulePath(module);
    DWORD ignored = 0;
    const DWORD size = path.empty() ? 0 : GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0) return;
    data_.resize(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, data_.data())) {
        data_.clear();
        return;
    }
    VS_FIXEDFILEINFO* info = nullptr;
    UINT len = 0;
    if (VerQueryValueW(data_.data(), L"\\", reinterpret_cast<void**>(&info), &len) && len >= sizeof(*info)) {
        version_.Major = static_cast<int16_t>(HIWORD(info->dwFileVersionMS));
        version_.Minor = static_cast<int16_t>(LOWORD(info->dwFileVersionMS));
        version_.Revision = static_cast<int16_t>(LOWORD(info->dwFileVersionLS));
    }
}

std::string Win32VersionResource::String_Value(std::string_view name) const {
    if (data_.empty()) return {};
    void* block = const_cast<unsigned char*>(data_.data());
    struct Translation {
        WORD Language;
        WORD CodePage;
    };
    Translation* translations = nullptr;
    UINT len = 0;
    std::vector<Translation> tried;
    if (VerQueryValueW(block, L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations), &len))
        tried.assign(translations, translations + len / sizeof(Translation));
    // US English in Unicode, the table most resources have, when none is listed.
    tried.push_back({0x0409, 1200});
    for (const Translation& t : tried) {
        wchar_t sub[64];
        std::swprintf(sub, 64, L"\\StringFileInfo\\%04x%04x\\", t.Language, t.CodePage);
        const std::wstring query = sub + Widen(name);
        wchar_t* value = nullptr;
        UINT chars = 0;
        if (VerQueryValueW(block, query.c_str(), reinterpret_cast<void**>(&value), &chars) && value) {
            std::wstring_view text(value, chars);
            while (!text.empty() && text.back() == L'\0') text.remove_suffix(1);
            return To_Ansi(text);
        }
    }
    return {};
}

}  // namespace slotpad::win32
