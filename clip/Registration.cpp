#include "clip/Registration.h"

#include <oleauto.h>

#include <memory>
#include <type_traits>

#include "clip/ClipModule.h"
#include "win32/ComPtr.h"
#include "win32/Handles.h"

namespace clip {

using foundation::ComPtr;
using foundation::UniqueKey;

namespace {

LSTATUS CreateKey(const std::wstring& path, UniqueKey& key) {
    HKEY raw = nullptr;
    const LSTATUS status = RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                           KEY_SET_VALUE, nullptr, &raw, nullptr);
    key.reset(status == ERROR_SUCCESS ? raw : nullptr);
    return status;
}

// Sets the value `name` (the key's default value when null) of HKCR\path, creating the key.
LSTATUS WriteString(const std::wstring& path, const wchar_t* name, const std::wstring& value) {
    UniqueKey key;
    if (const LSTATUS status = CreateKey(path, key)) return status;
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes);
}

LSTATUS DeleteTree(const std::wstring& path) {
    const LSTATUS status = RegDeleteTreeW(HKEY_CLASSES_ROOT, path.c_str());
    return status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
}

// Runs the steps in order and reports the first that fails.
template <typename... Steps>
HRESULT RunSteps(Steps&&... steps) {
    LSTATUS status = ERROR_SUCCESS;
    auto run = [&status](auto& step) {
        if (status == ERROR_SUCCESS) status = step();
    };
    (run(steps), ...);
    return HRESULT_FROM_WIN32(status);
}

}  // namespace

std::wstring GuidString(const GUID& guid) {
    wchar_t text[40] = {};
    StringFromGUID2(guid, text, 40);
    return text;
}

HRESULT RegisterControlClass(const ControlClassRegistration& control) {
    const CClipModule& module = CClipModule::Instance();
    const std::wstring clsid = GuidString(control.clsid);
    const std::wstring key = L"CLSID\\" + clsid;
    const std::wstring path = module.ModulePath();
    const std::wstring typeName = module.ResourceString(control.typeNameId);
    const std::wstring progId = control.progId;
    const std::wstring version = std::to_wstring(control.versionMajor) + L"." + std::to_wstring(control.versionMinor);
    return RunSteps([&] { return WriteString(key, nullptr, typeName); },
                    [&] { return WriteString(key + L"\\InprocServer32", nullptr, path); },
                    [&] { return WriteString(key + L"\\InprocServer32", L"ThreadingModel", L"Apartment"); },
                    [&] {
                        UniqueKey marker;
                        return CreateKey(key + L"\\Control", marker);
                    },
                    [&] {
                        return WriteString(key + L"\\ToolboxBitmap32", nullptr,
                                           path + L", " + std::to_wstring(control.toolboxBitmapId));
                    },
                    [&] { return WriteString(key + L"\\MiscStatus", nullptr, L"0"); },
                    [&] { return WriteString(key + L"\\MiscStatus\\1", nullptr, std::to_wstring(control.miscStatus)); },
                    [&] { return WriteString(key + L"\\TypeLib", nullptr, GuidString(control.libid)); },
                    [&] { return WriteString(key + L"\\Version", nullptr, version); },
                    [&] { return WriteString(key + L"\\ProgID", nullptr, progId); },
                    [&] { return WriteString(progId, nullptr, typeName); },
                    [&] { return WriteString(progId + L"\\CLSID", nullptr, clsid); });
}

HRESULT RegisterPropertyPageClass(const CLSID& clsid, UINT typeNameId) {
    const CClipModule& module = CClipModule::Instance();
    const std::wstring key = L"CLSID\\" + GuidString(clsid);
    const std::wstring path = module.ModulePath();
    const std::wstring typeName = module.ResourceString(typeNameId);
    return RunSteps([&] { return WriteString(key, nullptr, typeName); },
                    [&] { return WriteString(key + L"\\InprocServer32", nullptr, path); },
                    [&] { return WriteString(key + L"\\InprocServer32", L"ThreadingModel", L"Apartment"); });
}

HRESULT UnregisterClassKeys(const CLSID& clsid, const wchar_t* progId) {
    return RunSteps([&] { return DeleteTree(L"CLSID\\" + GuidString(clsid)); },
                    [&] { return progId ? DeleteTree(progId) : LSTATUS{ERROR_SUCCESS}; });
}

HRESULT RegisterTypeLibrary() {
    const std::wstring path = CClipModule::Instance().ModulePath();
    ComPtr<ITypeLib> library;
    HRESULT hr = LoadTypeLibEx(path.c_str(), REGKIND_NONE, library.Put());
    if (FAILED(hr)) return hr;
    std::wstring fullPath = path;
    return RegisterTypeLib(library.Get(), fullPath.data(), nullptr);
}

// By id and version alone: loading the registered library first would need the file it
// was registered from, which may have been moved or deleted since.
HRESULT UnregisterTypeLibrary(const GUID& libid, WORD major, WORD minor, LCID lcid) {
#ifdef _WIN64
    constexpr SYSKIND kSysKind = SYS_WIN64;
#else
    constexpr SYSKIND kSysKind = SYS_WIN32;
#endif
    const HRESULT hr = UnRegisterTypeLib(libid, major, minor, lcid, kSysKind);
    if (SUCCEEDED(hr)) return hr;
    // Some systems (Wine among them) read the registered file to unregister its library.
    // When the library is registered from a file that is gone, this copy, which holds
    // the same library, is registered in its place and unregistered.
    BSTR path = nullptr;
    if (FAILED(QueryPathOfRegTypeLib(libid, major, minor, lcid, &path))) return hr;
    const std::unique_ptr<OLECHAR, decltype(&SysFreeString)> registeredPath(path, &SysFreeString);
    if (GetFileAttributesW(registeredPath.get()) != INVALID_FILE_ATTRIBUTES || FAILED(RegisterTypeLibrary())) return hr;
    return UnRegisterTypeLib(libid, major, minor, lcid, kSysKind);
}

}  // namespace clip
