#include "slotpad/platform/win32/ControlSite.h"

#include <olectl.h>

#include "clip_h.h"

#include "win32/Failure.h"

namespace slotpad::win32 {

namespace {

void SetBool(VARIANT* v, bool value) {
    VariantInit(v);
    v->vt = VT_BOOL;
    v->boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

}  // namespace

void* ControlSite::FindInterface(REFIID iid) {
    if (iid == IID_IOleClientSite) return static_cast<IOleClientSite*>(this);
    if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) return static_cast<IOleInPlaceSite*>(this);
    if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame) return static_cast<IOleInPlaceFrame*>(this);
    if (iid == IID_IOleControlSite) return static_cast<IOleControlSite*>(this);
    if (iid == IID_IDispatch) return static_cast<IDispatch*>(this);
    return nullptr;
}

STDMETHODIMP ControlSite::GetMoniker(DWORD, DWORD, IMoniker** out) {
    if (out) *out = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP ControlSite::GetContainer(IOleContainer** out) {
    if (out) *out = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP ControlSite::GetWindow(HWND* out) {
    if (!out) return E_POINTER;
    *out = container_;
    return S_OK;
}

STDMETHODIMP ControlSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, RECT* pos,
                                           RECT* clip, OLEINPLACEFRAMEINFO* info) {
    if (!frame || !doc || !pos || !clip || !info) return E_POINTER;
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *doc = nullptr;
    *pos = position_;
    *clip = position_;
    info->fMDIApp = FALSE;
    info->hwndFrame = container_;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP ControlSite::GetExtendedControl(IDispatch** out) {
    if (out) *out = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP ControlSite::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP ControlSite::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                                 UINT*) {
    if (!(flags & DISPATCH_PROPERTYGET) || !result) return DISP_E_MEMBERNOTFOUND;
    switch (id) {
        case DISPID_AMBIENT_USERMODE:
            SetBool(result, true);  // run mode, never design mode
            return S_OK;
        case DISPID_AMBIENT_UIDEAD:
        case DISPID_AMBIENT_SHOWGRABHANDLES:
        case DISPID_AMBIENT_SHOWHATCHING:
        case DISPID_AMBIENT_MESSAGEREFLECT:
        case DISPID_AMBIENT_SUPPORTSMNEMONICS:
            SetBool(result, false);
            return S_OK;
        case DISPID_AMBIENT_LOCALEID:
            VariantInit(result);
            result->vt = VT_I4;
            result->lVal = static_cast<LONG>(GetUserDefaultLCID());
            return S_OK;
        case DISPID_AMBIENT_BACKCOLOR:
            VariantInit(result);
            result->vt = VT_I4;
            result->lVal = static_cast<LONG>(0x80000000 | COLOR_BTNFACE);
            return S_OK;
        default:
            return DISP_E_MEMBERNOTFOUND;
    }
}

void* ClipEventSink::FindInterface(REFIID iid) {
    if (iid == IID_IDispatch || iid == eventsIid_) return static_cast<IDispatch*>(this);
    return nullptr;
}

STDMETHODIMP ClipEventSink::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP ClipEventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) {
    if (result) VariantInit(result);
    constexpr DISPID kNewClipboardElement = DISPID_CLIP_NEWCLIPBOARDELEMENT;
    if (id != kNewClipboardElement) return DISP_E_MEMBERNOTFOUND;
    // The program's handling runs inside the control's call: nothing may unwind into it.
    return foundation::ComBarrier([&] {
        if (onNewElement_) onNewElement_();
        return S_OK;
    });
}

}  // namespace slotpad::win32
