// Automation, class information, property pages and the connection point container.

#include <vector>

#include "clip/ControlBase.h"
#include "clip/Enumerators.h"
#include "clip/TypeLibrary.h"

namespace clip {

HRESULT ControlBase::DispatchTypeInfo(LCID lcid, ITypeInfo** out) {
    if (!dispatchInfo_) {
        const HRESULT hr = LoadClipTypeInfo(description_.dispatchIid, lcid, dispatchInfo_.Put());
        if (FAILED(hr)) return hr;
    }
    dispatchInfo_.CopyTo(out);
    return S_OK;
}

STDMETHODIMP ControlBase::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
}

STDMETHODIMP ControlBase::GetTypeInfo(UINT index, LCID lcid, ITypeInfo** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    return DispatchTypeInfo(lcid, out);
}

STDMETHODIMP ControlBase::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) {
    if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    ComPtr<ITypeInfo> info;
    const HRESULT hr = DispatchTypeInfo(lcid, info.Put());
    if (FAILED(hr)) return hr;
    return info->GetIDsOfNames(names, count, ids);
}

// Members are dispatched by DISPID alone, so callers need no type information.
STDMETHODIMP ControlBase::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                 EXCEPINFO* exception, UINT*) {
    if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    DISPPARAMS none{};
    return InvokeMember(id, flags, params ? *params : none, result, exception);
}

STDMETHODIMP ControlBase::GetClassInfo(ITypeInfo** out) {
    return LoadClipTypeInfo(description_.clsid, GetUserDefaultLCID(), out);
}

STDMETHODIMP ControlBase::GetGUID(DWORD kind, GUID* guid) {
    if (!guid) return E_POINTER;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) {
        *guid = GUID_NULL;
        return E_INVALIDARG;
    }
    *guid = description_.eventsIid;
    return S_OK;
}

STDMETHODIMP ControlBase::GetPages(CAUUID* pages) {
    if (!pages) return E_POINTER;
    pages->cElems = 0;
    pages->pElems = nullptr;
    const auto& list = description_.propertyPages;
    if (list.empty()) return S_OK;
    pages->pElems = static_cast<GUID*>(CoTaskMemAlloc(list.size() * sizeof(GUID)));
    if (!pages->pElems) return E_OUTOFMEMORY;
    for (size_t i = 0; i < list.size(); ++i) pages->pElems[i] = list[i];
    pages->cElems = static_cast<ULONG>(list.size());
    return S_OK;
}

STDMETHODIMP ControlBase::EnumConnectionPoints(IEnumConnectionPoints** out) {
    if (!out) return E_POINTER;
    const std::vector<IConnectionPoint*> points{&events_};
    return CreateComObject<ConnectionPointEnumerator>(nullptr, IID_IEnumConnectionPoints,
                                                      reinterpret_cast<void**>(out), points, ComPtr<IUnknown>(Outer()));
}

STDMETHODIMP ControlBase::FindConnectionPoint(REFIID iid, IConnectionPoint** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != events_.EventsIid()) return CONNECT_E_NOCONNECTION;
    *out = &events_;
    events_.AddRef();
    return S_OK;
}

}  // namespace clip
