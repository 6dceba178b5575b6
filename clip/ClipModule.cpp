#include "clip/ClipModule.h"

#include <olectl.h>

#include "clip/ClipCtrl.h"
#include "clip/ClipGuids.h"
#include "clip/ClipPropPage.h"
#include "clip/Registration.h"

namespace clip {

namespace {

const ClassEntry kControlClass{CLSID_Clip, CClipCtrl::kProgId, &CClipCtrl::Create, &CClipCtrl::UpdateRegistry};
const ClassEntry kPropertyPageClass{CLSID_CClipPropPage, CClipPropPage::kProgId, &CClipPropPage::Create,
                                    &CClipPropPage::UpdateRegistry};

}  // namespace

CClipModule& CClipModule::Instance() {
    static CClipModule module;
    return module;
}

CClipModule::CClipModule()
    : control_(kControlClass), propertyPage_(kPropertyPageClass), factories_{&control_, &propertyPage_} {}

std::wstring CClipModule::ResourceString(UINT id) const {
    const wchar_t* text = nullptr;
    // With a length of 0, LoadStringW hands out a pointer into the resource itself.
    const int length = LoadStringW(instance_, id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

HRESULT CClipModule::GetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    for (ClassFactory* factory : factories_) {
        if (factory->Clsid() == clsid) return factory->QueryInterface(iid, out);
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

HRESULT CClipModule::RegisterServer() {
    if (FAILED(RegisterTypeLibrary())) return SELFREG_E_TYPELIB;
    for (const ClassFactory* factory : factories_) {
        if (FAILED(factory->UpdateRegistry(true))) return SELFREG_E_CLASS;
    }
    return S_OK;
}

// Every step runs even when an earlier one failed, so that nothing is left behind that
// could be removed; the first failure is the one reported.
HRESULT CClipModule::UnregisterServer() {
    HRESULT result = S_OK;
    if (FAILED(UnregisterTypeLibrary(LIBID_CLIPLib, kTypeLibMajor, kTypeLibMinor, kTypeLibLcid)))
        result = SELFREG_E_TYPELIB;
    for (const ClassFactory* factory : factories_) {
        if (FAILED(factory->UpdateRegistry(false)) && result == S_OK) result = SELFREG_E_CLASS;
    }
    return result;
}

}  // namespace clip
