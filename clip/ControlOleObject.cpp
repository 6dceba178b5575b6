// OLE embedding: the client site, verbs, extent, advise sinks, misc status, the
// properties verb, and IOleControl.

#include <cstring>
#include <vector>

#include "clip/ClipModule.h"
#include "clip/ControlBase.h"
#include "clip/Enumerators.h"

namespace clip {

namespace {

// The display name of the properties verb, shown on a container's menu.
wchar_t propertiesVerbName[] = L"&Properties...";

LPOLESTR CoTaskString(const std::wstring& text) {
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    auto* copy = static_cast<LPOLESTR>(CoTaskMemAlloc(bytes));
    if (copy) std::memcpy(copy, text.c_str(), bytes);
    return copy;
}

}  // namespace

STDMETHODIMP ControlBase::SetClientSite(IOleClientSite* site) {
    clientSite_ = ComPtr<IOleClientSite>(site);
    return S_OK;
}

STDMETHODIMP ControlBase::GetClientSite(IOleClientSite** site) {
    if (!site) return E_POINTER;
    clientSite_.CopyTo(site);
    return S_OK;
}

STDMETHODIMP ControlBase::SetHostNames(LPCOLESTR, LPCOLESTR) { return S_OK; }

STDMETHODIMP ControlBase::Close(DWORD saveOption) {
    if (dirty_ && clientSite_ && (saveOption == OLECLOSE_SAVEIFDIRTY || saveOption == OLECLOSE_PROMPTSAVE))
        clientSite_->SaveObject();
    InPlaceDeactivate();
    if (oleAdvise_) oleAdvise_->SendOnClose();
    return S_OK;
}

STDMETHODIMP ControlBase::SetMoniker(DWORD, IMoniker*) { return E_NOTIMPL; }

STDMETHODIMP ControlBase::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP ControlBase::InitFromData(IDataObject*, BOOL, DWORD) { return E_NOTIMPL; }

STDMETHODIMP ControlBase::GetClipboardData(DWORD, IDataObject** data) {
    if (data) *data = nullptr;
    return E_NOTIMPL;
}

IOleClientSite* ControlBase::SiteFor(IOleClientSite* activeSite) const {
    return clientSite_ ? clientSite_.Get() : activeSite;
}

STDMETHODIMP ControlBase::DoVerb(LONG verb, LPMSG msg, IOleClientSite* activeSite, LONG index, HWND parent,
                                 LPCRECT position) {
    switch (verb) {
        case OLEIVERB_PRIMARY:
        case OLEIVERB_UIACTIVATE: {
            const HRESULT hr = InPlaceActivate(SiteFor(activeSite), parent, position);
            return FAILED(hr) ? hr : UIActivate();
        }
        case OLEIVERB_SHOW:
        case OLEIVERB_INPLACEACTIVATE:
            return InPlaceActivate(SiteFor(activeSite), parent, position);
        case OLEIVERB_HIDE:
            // Hidden, the control keeps its window, and with it its place in the viewer chain.
            UIDeactivate();
            if (window_) ShowWindow(window_, SW_HIDE);
            return S_OK;
        case OLEIVERB_PROPERTIES:
            return ShowPropertyPages(parent);
        case OLEIVERB_DISCARDUNDOSTATE:
            return S_OK;
        case OLEIVERB_OPEN:
            return E_NOTIMPL;  // no editing window of its own
        default: {
            if (verb < 0) return E_NOTIMPL;
            // An unknown positive verb runs the primary verb.
            const HRESULT hr = DoVerb(OLEIVERB_PRIMARY, msg, activeSite, index, parent, position);
            return FAILED(hr) ? hr : OLEOBJ_S_INVALIDVERB;
        }
    }
}

STDMETHODIMP ControlBase::EnumVerbs(IEnumOLEVERB** verbs) {
    if (!verbs) return E_POINTER;
    const std::vector<OLEVERB> list{{OLEIVERB_PROPERTIES, propertiesVerbName, 0, OLEVERBATTRIB_ONCONTAINERMENU}};
    return CreateComObject<VerbEnumerator>(nullptr, IID_IEnumOLEVERB, reinterpret_cast<void**>(verbs), list,
                                           ComPtr<IUnknown>());
}

STDMETHODIMP ControlBase::Update() { return S_OK; }

STDMETHODIMP ControlBase::IsUpToDate() { return S_OK; }

STDMETHODIMP ControlBase::GetUserClassID(CLSID* clsid) {
    if (!clsid) return E_POINTER;
    *clsid = description_.clsid;
    return S_OK;
}

STDMETHODIMP ControlBase::GetUserType(DWORD, LPOLESTR* name) {
    if (!name) return E_POINTER;
    *name = CoTaskString(CClipModule::Instance().ResourceString(description_.typeNameId));
    return *name ? S_OK : E_OUTOFMEMORY;
}

void ControlBase::SetExtentInternal(const SIZEL& size) {
    if (size.cx == extent_.cx && size.cy == extent_.cy) return;
    extent_ = size;
    dirty_ = true;
    NotifyViewChange();
}

STDMETHODIMP ControlBase::SetExtent(DWORD aspect, SIZEL* size) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!size) return E_POINTER;
    SetExtentInternal(*size);
    return S_OK;
}

STDMETHODIMP ControlBase::GetExtent(DWORD aspect, SIZEL* size) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!size) return E_POINTER;
    *size = extent_;
    return S_OK;
}

namespace {

// The advise holder is made at first need.
HRESULT MakeAdviseHolder(ComPtr<IOleAdviseHolder>& holder) {
    return holder ? S_OK : CreateOleAdviseHolder(holder.Put());
}

}  // namespace

STDMETHODIMP ControlBase::Advise(IAdviseSink* sink, DWORD* connection) {
    if (const HRESULT hr = MakeAdviseHolder(oleAdvise_); FAILED(hr)) return hr;
    return oleAdvise_->Advise(sink, connection);
}

STDMETHODIMP ControlBase::Unadvise(DWORD connection) {
    if (!oleAdvise_) return OLE_E_NOCONNECTION;
    return oleAdvise_->Unadvise(connection);
}

STDMETHODIMP ControlBase::EnumAdvise(IEnumSTATDATA** advises) {
    if (!advises) return E_POINTER;
    *advises = nullptr;
    // Nothing advised yet still gets an enumerator, an empty one: callers walk it without
    // checking for null.
    if (const HRESULT hr = MakeAdviseHolder(oleAdvise_); FAILED(hr)) return hr;
    return oleAdvise_->EnumAdvise(advises);
}

STDMETHODIMP ControlBase::GetMiscStatus(DWORD aspect, DWORD* status) {
    if (!status) return E_POINTER;
    *status = aspect == DVASPECT_CONTENT ? description_.miscStatus : 0;
    return S_OK;
}

STDMETHODIMP ControlBase::SetColorScheme(LOGPALETTE*) { return E_NOTIMPL; }

HRESULT ControlBase::ShowPropertyPages(HWND owner) {
    // A container may show the pages in a frame of its own.
    if (clientSite_) {
        const auto controlSite = clientSite_.As<IOleControlSite>(IID_IOleControlSite);
        if (controlSite && controlSite->ShowPropertyFrame() == S_OK) return S_OK;
    }
    CAUUID pages{};
    HRESULT hr = GetPages(&pages);
    if (FAILED(hr)) return hr;
    if (!owner) owner = window_;
    const std::wstring caption = CClipModule::Instance().ResourceString(description_.typeNameId);
    IUnknown* object = Outer();
    hr = OleCreatePropertyFrame(owner, 0, 0, caption.c_str(), 1, &object, pages.cElems, pages.pElems,
                                GetUserDefaultLCID(), 0, nullptr);
    CoTaskMemFree(pages.pElems);
    return hr;
}

STDMETHODIMP ControlBase::GetControlInfo(CONTROLINFO* info) {
    if (!info) return E_POINTER;
    info->hAccel = nullptr;
    info->cAccel = 0;
    info->dwFlags = 0;
    return S_OK;
}

STDMETHODIMP ControlBase::OnMnemonic(MSG*) { return E_NOTIMPL; }

STDMETHODIMP ControlBase::OnAmbientPropertyChange(DISPID) { return S_OK; }

// Freezing is counted, but events are raised regardless: every clipboard change is reported.
STDMETHODIMP ControlBase::FreezeEvents(BOOL freeze) {
    if (freeze)
        ++eventsFrozen_;
    else if (eventsFrozen_ > 0)
        --eventsFrozen_;
    return S_OK;
}

}  // namespace clip
