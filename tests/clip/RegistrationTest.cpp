// Registration of CLIP.OCX through its exports and through regsvr32, the registry
// entries it writes and removes, and the type library it registers.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "tests/clip/ClipTestSupport.h"
#include "tests/clip/TestContainer.h"

namespace cliptest {
namespace {

std::optional<std::wstring> ReadString(const std::wstring& path, const wchar_t* name = nullptr) {
    wchar_t value[1024] = {};
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CLASSES_ROOT, path.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(value);
}

bool KeyExists(const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

std::vector<std::wstring> SubkeyNames(const std::wstring& path) {
    std::vector<std::wstring> names;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(name);
    }
    RegCloseKey(key);
    std::sort(names.begin(), names.end());
    return names;
}

const std::wstring kControlKey = std::wstring(L"CLSID\\") + kClipClsidText;
const std::wstring kPageKey = std::wstring(L"CLSID\\") + kPropPageClsidText;
const std::wstring kTypeLibKey = std::wstring(L"TypeLib\\") + kLibIdText;
const std::wstring kDispatchKey = L"Interface\\{00AC9381-5F99-11D1-9DED-444553540000}";
const std::wstring kEventsKey = L"Interface\\{00AC9382-5F99-11D1-9DED-444553540000}";

struct ExpectedValue {
    std::wstring key;
    const wchar_t* name;
    std::wstring value;
};

// Every value the registration writes, with the library's own path.
std::vector<ExpectedValue> ExpectedValues(const std::wstring& path) {
    return {
        {kControlKey, nullptr, L"Clip Control"},
        {kControlKey + L"\\InprocServer32", nullptr, path},
        {kControlKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
        {kControlKey + L"\\ToolboxBitmap32", nullptr, path + L", 1"},
        {kControlKey + L"\\MiscStatus", nullptr, L"0"},
        {kControlKey + L"\\MiscStatus\\1", nullptr, L"131475"},
        {kControlKey + L"\\TypeLib", nullptr, kLibIdText},
        {kControlKey + L"\\Version", nullptr, L"1.0"},
        {kControlKey + L"\\ProgID", nullptr, kProgId},
        {kProgId, nullptr, L"Clip Control"},
        {std::wstring(kProgId) + L"\\CLSID", nullptr, kClipClsidText},
        {kPageKey, nullptr, L"Clip Property Page"},
        {kPageKey + L"\\InprocServer32", nullptr, path},
        {kPageKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
        {kTypeLibKey + L"\\1.0", nullptr, L"Clip OLE Control module"},
    };
}

void ExpectRegistered(const ClipLibrary& library) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(library.Module(), path, MAX_PATH);
    for (const ExpectedValue& expected : ExpectedValues(path)) {
        const auto value = ReadString(expected.key, expected.name);
        ASSERT_TRUE(value.has_value()) << Narrow(expected.key) << " " << (expected.name ? Narrow(expected.name) : "");
        EXPECT_EQ(Narrow(*value), Narrow(expected.value)) << Narrow(expected.key);
    }
    // One set of keys, no more.
    EXPECT_EQ(SubkeyNames(kControlKey), (std::vector<std::wstring>{L"Control", L"InprocServer32", L"MiscStatus",
                                                                   L"ProgID", L"ToolboxBitmap32", L"TypeLib",
                                                                   L"Version"}));
    EXPECT_TRUE(SubkeyNames(kControlKey + L"\\Control").empty());
    EXPECT_EQ(SubkeyNames(kControlKey + L"\\MiscStatus"), std::vector<std::wstring>{L"1"});
    EXPECT_EQ(SubkeyNames(kPageKey), std::vector<std::wstring>{L"InprocServer32"});
    EXPECT_EQ(SubkeyNames(kProgId), std::vector<std::wstring>{L"CLSID"});
    // The page's ProgID is carried by its class object but never registered.
    EXPECT_FALSE(KeyExists(L"CLIP.ClipPropPage.1"));
    EXPECT_EQ(SubkeyNames(kTypeLibKey), std::vector<std::wstring>{L"1.0"});
    EXPECT_EQ(ReadString(kTypeLibKey + L"\\1.0\\409\\" + (sizeof(void*) == 8 ? L"win64" : L"win32")).value_or(L""),
              path);
    EXPECT_TRUE(KeyExists(kDispatchKey));
    EXPECT_TRUE(KeyExists(kEventsKey));

    CLSID fromProgId{};
    EXPECT_EQ(CLSIDFromProgID(kProgId, &fromProgId), S_OK);
    EXPECT_TRUE(IsEqualCLSID(fromProgId, kClipClsid));
}

void ExpectUnregistered() {
    EXPECT_FALSE(KeyExists(kControlKey));
    EXPECT_FALSE(KeyExists(kPageKey));
    EXPECT_FALSE(KeyExists(kProgId));
    EXPECT_FALSE(KeyExists(kTypeLibKey));
    EXPECT_FALSE(KeyExists(kDispatchKey));
    EXPECT_FALSE(KeyExists(kEventsKey));
    ComPtr<ITypeLib> library;
    EXPECT_TRUE(FAILED(LoadRegTypeLib(kLibId, 1, 0, 0x0409, library.Put())));
}

class RegistrationTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(OleInitialize(nullptr), S_OK);
        ASSERT_TRUE(library_.Loaded()) << "CLIP.OCX not found beside the test";
    }
    void TearDown() override {
        // A test stopped by a failure must not leave the library registered.
        library_.Unregister();
        OleUninitialize();
    }

    ClipLibrary library_;
};

TEST_F(RegistrationTest, ExportsAreExactlyTheFourEntryPoints) {
    const auto* base = reinterpret_cast<const BYTE*>(library_.Module());
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    ASSERT_NE(directory.VirtualAddress, 0u);
    const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + directory.VirtualAddress);
    EXPECT_EQ(exports->NumberOfFunctions, 4u);
    std::vector<std::string> names;
    const auto* nameOffsets = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i)
        names.emplace_back(reinterpret_cast<const char*>(base + nameOffsets[i]));
    EXPECT_EQ(names, (std::vector<std::string>{"DllCanUnloadNow", "DllGetClassObject", "DllRegisterServer",
                                               "DllUnregisterServer"}));
}

TEST_F(RegistrationTest, RegisteringTwiceLeavesOneSetAndUnregisteringRemovesAll) {
    ASSERT_EQ(library_.Register(), S_OK);
    ASSERT_EQ(library_.Register(), S_OK);
    ExpectRegistered(library_);

    ASSERT_EQ(library_.Unregister(), S_OK);
    ExpectUnregistered();
    // With the type library gone, the first step fails, and it is reported as such.
    EXPECT_EQ(library_.Unregister(), SELFREG_E_TYPELIB);
}

// The copy that was registered has been moved away; another copy still unregisters it.
TEST_F(RegistrationTest, AnotherCopyUnregistersWhenTheRegisteredFileIsGone) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"clip moved " + std::to_wstring(GetCurrentProcessId());
    const std::wstring moved = folder + L"\\CLIP.OCX";
    CreateDirectoryW(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileW(OcxPath().c_str(), moved.c_str(), FALSE));
    {
        const HMODULE first = LoadLibraryW(moved.c_str());
        ASSERT_NE(first, nullptr);
        const auto registerServer = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
            reinterpret_cast<void*>(GetProcAddress(first, "DllRegisterServer")));
        ASSERT_NE(registerServer, nullptr);
        ASSERT_EQ(registerServer(), S_OK);
        FreeLibrary(first);
    }
    ASSERT_TRUE(DeleteFileW(moved.c_str()));
    RemoveDirectoryW(folder.c_str());

    EXPECT_EQ(library_.Unregister(), S_OK);
    ExpectUnregistered();
}

TEST_F(RegistrationTest, Regsvr32RegistersAndUnregisters) {
    const std::wstring quoted = L"\"" + OcxPath() + L"\"";
    EXPECT_EQ(RunProcess(L"regsvr32.exe /s " + quoted, 30000), std::optional<DWORD>(0));
    ExpectRegistered(library_);
    EXPECT_EQ(RunProcess(L"regsvr32.exe /u /s " + quoted, 30000), std::optional<DWORD>(0));
    ExpectUnregistered();
}

// Names and attributes of one type description.
struct TypeFacts {
    std::string name;
    TYPEKIND kind;
    WORD flags;
    GUID guid;
};

TypeFacts FactsOf(ITypeInfo* info) {
    TypeFacts facts{};
    BSTR name = nullptr;
    info->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr);
    facts.name = name ? Narrow(name) : "";
    SysFreeString(name);
    TYPEATTR* attr = nullptr;
    if (SUCCEEDED(info->GetTypeAttr(&attr))) {
        facts.kind = attr->typekind;
        facts.flags = attr->wTypeFlags;
        facts.guid = attr->guid;
        info->ReleaseTypeAttr(attr);
    }
    return facts;
}

std::string MemberName(ITypeInfo* info, MEMBERID id) {
    BSTR name = nullptr;
    info->GetDocumentation(id, &name, nullptr, nullptr, nullptr);
    std::string result = name ? Narrow(name) : "";
    SysFreeString(name);
    return result;
}

// "name=id" for each method: no parameters and no result, called as a method.
std::vector<std::string> Methods(ITypeInfo* info) {
    std::vector<std::string> methods;
    TYPEATTR* attr = nullptr;
    info->GetTypeAttr(&attr);
    const WORD count = attr->cFuncs;
    info->ReleaseTypeAttr(attr);
    for (UINT i = 0; i < count; ++i) {
        FUNCDESC* func = nullptr;
        info->GetFuncDesc(i, &func);
        EXPECT_EQ(func->cParams, 0);
        EXPECT_EQ(func->elemdescFunc.tdesc.vt, VT_VOID);
        EXPECT_EQ(func->invkind, INVOKE_FUNC);
        EXPECT_EQ(func->funckind, FUNC_DISPATCH);
        methods.push_back(MemberName(info, func->memid) + "=" + std::to_string(func->memid));
        info->ReleaseFuncDesc(func);
    }
    return methods;
}

TEST_F(RegistrationTest, TypeLibraryDescribesTheControl) {
    ASSERT_EQ(library_.Register(), S_OK);
    ComPtr<ITypeLib> typeLib;
    ASSERT_EQ(LoadRegTypeLib(kLibId, 1, 0, 0x0409, typeLib.Put()), S_OK);

    TLIBATTR* libAttr = nullptr;
    ASSERT_EQ(typeLib->GetLibAttr(&libAttr), S_OK);
    EXPECT_TRUE(IsEqualGUID(libAttr->guid, kLibId));
    EXPECT_EQ(libAttr->lcid, 0x0409u);
    EXPECT_EQ(libAttr->wMajorVerNum, 1);
    EXPECT_EQ(libAttr->wMinorVerNum, 0);
    EXPECT_TRUE(libAttr->wLibFlags & LIBFLAG_FCONTROL);
    typeLib->ReleaseTLibAttr(libAttr);

    BSTR name = nullptr;
    BSTR doc = nullptr;
    ASSERT_EQ(typeLib->GetDocumentation(-1, &name, &doc, nullptr, nullptr), S_OK);
    EXPECT_EQ(Narrow(name), "CLIPLib");
    EXPECT_EQ(Narrow(doc), "Clip OLE Control module");
    SysFreeString(name);
    SysFreeString(doc);

    ASSERT_EQ(typeLib->GetTypeInfoCount(), 3u);
    ComPtr<ITypeInfo> dclip, events, coclass;
    ASSERT_EQ(typeLib->GetTypeInfo(0, dclip.Put()), S_OK);
    ASSERT_EQ(typeLib->GetTypeInfo(1, events.Put()), S_OK);
    ASSERT_EQ(typeLib->GetTypeInfo(2, coclass.Put()), S_OK);

    const TypeFacts dclipFacts = FactsOf(dclip.Get());
    EXPECT_EQ(dclipFacts.name, "_DClip");
    EXPECT_EQ(dclipFacts.kind, TKIND_DISPATCH);
    EXPECT_TRUE(IsEqualGUID(dclipFacts.guid, kDispatchIid));
    EXPECT_TRUE(dclipFacts.flags & TYPEFLAG_FHIDDEN);
    EXPECT_EQ(Methods(dclip.Get()), (std::vector<std::string>{"StopViewer=1", "StartViewer=2"}));

    // hWnd: a property of type OLE_HANDLE from the standard OLE types.
    VARDESC* var = nullptr;
    ASSERT_EQ(dclip->GetVarDesc(0, &var), S_OK);
    EXPECT_EQ(var->memid, DISPID_HWND);
    EXPECT_EQ(var->varkind, VAR_DISPATCH);
    EXPECT_EQ(MemberName(dclip.Get(), var->memid), "hWnd");
    ASSERT_EQ(var->elemdescVar.tdesc.vt, VT_USERDEFINED);
    ComPtr<ITypeInfo> handleType;
    ASSERT_EQ(dclip->GetRefTypeInfo(var->elemdescVar.tdesc.hreftype, handleType.Put()), S_OK);
    EXPECT_EQ(FactsOf(handleType.Get()).name, "OLE_HANDLE");
    dclip->ReleaseVarDesc(var);

    // Both dispinterfaces are based on IDispatch of the standard OLE library.
    for (ITypeInfo* dispinterface : {dclip.Get(), events.Get()}) {
        HREFTYPE base = 0;
        ASSERT_EQ(dispinterface->GetRefTypeOfImplType(0, &base), S_OK);
        ComPtr<ITypeInfo> baseInfo;
        ASSERT_EQ(dispinterface->GetRefTypeInfo(base, baseInfo.Put()), S_OK);
        EXPECT_EQ(FactsOf(baseInfo.Get()).name, "IDispatch");
        ComPtr<ITypeLib> baseLib;
        UINT index = 0;
        ASSERT_EQ(baseInfo->GetContainingTypeLib(baseLib.Put(), &index), S_OK);
        TLIBATTR* baseAttr = nullptr;
        baseLib->GetLibAttr(&baseAttr);
        EXPECT_TRUE(IsEqualGUID(baseAttr->guid, GUID{0x00020430, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}}));
        baseLib->ReleaseTLibAttr(baseAttr);
    }

    const TypeFacts eventFacts = FactsOf(events.Get());
    EXPECT_EQ(eventFacts.name, "_DClipEvents");
    EXPECT_EQ(eventFacts.kind, TKIND_DISPATCH);
    EXPECT_TRUE(IsEqualGUID(eventFacts.guid, kEventsIid));
    EXPECT_FALSE(eventFacts.flags & TYPEFLAG_FHIDDEN);
    EXPECT_EQ(Methods(events.Get()), std::vector<std::string>{"NewClipboardElement=1"});

    const TypeFacts classFacts = FactsOf(coclass.Get());
    EXPECT_EQ(classFacts.name, "Clip");
    EXPECT_EQ(classFacts.kind, TKIND_COCLASS);
    EXPECT_TRUE(IsEqualGUID(classFacts.guid, kClipClsid));
    EXPECT_TRUE(classFacts.flags & TYPEFLAG_FCANCREATE);
    EXPECT_TRUE(classFacts.flags & TYPEFLAG_FCONTROL);

    // _DClip is the default interface, _DClipEvents the default source.
    std::vector<std::pair<std::string, INT>> implemented;
    for (UINT i = 0; i < 2; ++i) {
        HREFTYPE ref = 0;
        INT flags = 0;
        ASSERT_EQ(coclass->GetRefTypeOfImplType(i, &ref), S_OK);
        ASSERT_EQ(coclass->GetImplTypeFlags(i, &flags), S_OK);
        ComPtr<ITypeInfo> info;
        ASSERT_EQ(coclass->GetRefTypeInfo(ref, info.Put()), S_OK);
        implemented.emplace_back(FactsOf(info.Get()).name, flags);
    }
    EXPECT_EQ(implemented, (std::vector<std::pair<std::string, INT>>{
                               {"_DClip", IMPLTYPEFLAG_FDEFAULT},
                               {"_DClipEvents", IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE}}));

    typeLib.Reset();
    dclip.Reset();
    events.Reset();
    coclass.Reset();
    handleType.Reset();
    EXPECT_EQ(library_.Unregister(), S_OK);
}

}  // namespace
}  // namespace cliptest
