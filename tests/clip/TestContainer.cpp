#include "tests/clip/TestContainer.h"

#include <olectl.h>

#include "tests/clip/ClipTestSupport.h"

namespace cliptest {

void* TestSite::FindInterface(REFIID iid) {
    if (iid == IID_IOleClientSite) return static_cast<IOleClientSite*>(this);
    if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) return static_cast<IOleInPlaceSite*>(this);
    if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame) return static_cast<IOleInPlaceFrame*>(this);
    return nullptr;
}

STDMETHODIMP TestSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP TestSite::GetContainer(IOleContainer** container) {
    if (container) *container = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP TestSite::GetWindow(HWND* window) {
    if (!window) return E_POINTER;
    *window = window_;
    return S_OK;
}

STDMETHODIMP TestSite::OnInPlaceActivate() {
    ++inPlaceActivations;
    return S_OK;
}

STDMETHODIMP TestSite::OnInPlaceDeactivate() {
    ++inPlaceDeactivations;
    return S_OK;
}

STDMETHODIMP TestSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                        LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
    if (!frame || !document || !position || !clip || !info) return E_POINTER;
    *frame = this;
    AddRef();
    *document = nullptr;
    *position = position_;
    *clip = position_;
    info->fMDIApp = FALSE;
    info->hwndFrame = window_;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

void* EventSink::FindInterface(REFIID iid) {
    return iid == IID_IDispatch || iid == kEventsIid ? static_cast<IDispatch*>(this) : nullptr;
}

STDMETHODIMP EventSink::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP EventSink::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP EventSink::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                               UINT*) {
    if (result) VariantInit(result);
    if (id != kNewClipboardElement || !(flags & DISPATCH_METHOD) || !params || params->cArgs != 0) {
        ++otherCalls;
        return DISP_E_MEMBERNOTFOUND;
    }
    ++events;
    if (onEvent_) onEvent_();
    return S_OK;
}

HRESULT CallMethod(IUnknown* control, DISPID id) {
    ComPtr<IDispatch> dispatch;
    HRESULT hr = control->QueryInterface(IID_IDispatch, dispatch.PutVoid());
    if (FAILED(hr)) return hr;
    DISPPARAMS none{};
    return dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr);
}

HWND ReadHwndProperty(IUnknown* control) {
    ComPtr<IDispatch> dispatch;
    if (FAILED(control->QueryInterface(IID_IDispatch, dispatch.PutVoid()))) return nullptr;
    DISPPARAMS none{};
    VARIANT result;
    VariantInit(&result);
    if (FAILED(dispatch->Invoke(DISPID_HWND, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result,
                                nullptr, nullptr)) ||
        result.vt != VT_I4)
        return nullptr;
    return static_cast<HWND>(LongToHandle(result.lVal));
}

HostedControl::HostedControl(HWND parent, const RECT& position, bool activate)
    : parent_(parent), position_(position), site_(MakeComObject<TestSite>(parent, position)) {
    if (FAILED(CoCreateInstance(kClipClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject, object_.PutVoid()))) return;
    object_->SetClientSite(site_.Get());
    if (auto persist = object_.As<IPersistStreamInit>(IID_IPersistStreamInit)) persist->InitNew();
    if (activate) Activate();
}

HostedControl::~HostedControl() { Close(); }

HRESULT HostedControl::Activate() {
    return object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_.Get(), 0, parent_, &position_);
}

HWND HostedControl::Window() const {
    HWND window = nullptr;
    if (auto inPlace = object_.As<IOleInPlaceObject>(IID_IOleInPlaceObject)) inPlace->GetWindow(&window);
    return window;
}

DWORD HostedControl::Connect(EventSink* sink) {
    if (!events_) {
        auto container = object_.As<IConnectionPointContainer>(IID_IConnectionPointContainer);
        if (!container || FAILED(container->FindConnectionPoint(kEventsIid, events_.Put()))) return 0;
    }
    DWORD cookie = 0;
    events_->Advise(sink, &cookie);
    return cookie;
}

void HostedControl::Disconnect(DWORD cookie) {
    if (events_) events_->Unadvise(cookie);
}

void HostedControl::Close() {
    events_.Reset();
    if (!object_) return;
    object_->Close(OLECLOSE_NOSAVE);
    object_->SetClientSite(nullptr);
    object_.Reset();
}

}  // namespace cliptest
