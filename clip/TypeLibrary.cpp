#include "clip/TypeLibrary.h"

#include <oleauto.h>

#include "clip/ClipGuids.h"
#include "clip/ClipModule.h"
#include "win32/ComPtr.h"

namespace clip {

using foundation::ComPtr;

HRESULT LoadClipTypeLib(LCID lcid, ITypeLib** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (SUCCEEDED(LoadRegTypeLib(LIBID_CLIPLib, kTypeLibMajor, kTypeLibMinor, lcid, out))) return S_OK;
    if (lcid != kTypeLibLcid && SUCCEEDED(LoadRegTypeLib(LIBID_CLIPLib, kTypeLibMajor, kTypeLibMinor, kTypeLibLcid, out)))
        return S_OK;
    return LoadTypeLibEx(CClipModule::Instance().ModulePath().c_str(), REGKIND_NONE, out);
}

HRESULT LoadClipTypeInfo(REFGUID guid, LCID lcid, ITypeInfo** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    ComPtr<ITypeLib> library;
    const HRESULT hr = LoadClipTypeLib(lcid, library.Put());
    if (FAILED(hr)) return hr;
    return library->GetTypeInfoOfGuid(guid, out);
}

}  // namespace clip
