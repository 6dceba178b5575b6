// Drawing for containers (IViewObject2): the same drawing the control's window shows.

#include "clip/ControlBase.h"

namespace clip {

STDMETHODIMP ControlBase::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC target, LPCRECTL bounds,
                               LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!target) return E_INVALIDARG;
    RECT rect{};
    if (bounds) {
        rect = {bounds->left, bounds->top, bounds->right, bounds->bottom};
    } else if (window_) {
        GetClientRect(window_, &rect);
    } else {
        return E_INVALIDARG;
    }
    OnDraw(target, rect);
    return S_OK;
}

STDMETHODIMP ControlBase::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** colors) {
    if (colors) *colors = nullptr;
    return S_FALSE;  // no particular palette
}

STDMETHODIMP ControlBase::Freeze(DWORD, LONG, void*, DWORD* freeze) {
    if (freeze) *freeze = 0;
    return E_NOTIMPL;
}

STDMETHODIMP ControlBase::Unfreeze(DWORD) { return E_NOTIMPL; }

STDMETHODIMP ControlBase::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) {
    viewAspects_ = aspects;
    viewFlags_ = flags;
    viewSink_ = ComPtr<IAdviseSink>(sink);
    if (viewSink_ && (flags & ADVF_PRIMEFIRST)) NotifyViewChange();
    return S_OK;
}

STDMETHODIMP ControlBase::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) {
    if (aspects) *aspects = viewAspects_;
    if (flags) *flags = viewFlags_;
    if (sink) viewSink_.CopyTo(sink);
    return S_OK;
}

STDMETHODIMP ControlBase::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) {
    return GetExtent(aspect, size);
}

void ControlBase::NotifyViewChange() {
    if (!viewSink_ || !(viewAspects_ & DVASPECT_CONTENT)) return;
    const ComPtr<IAdviseSink> sink = viewSink_;
    if (viewFlags_ & ADVF_ONLYONCE) viewSink_.Reset();
    sink->OnViewChange(DVASPECT_CONTENT, -1);
}

}  // namespace clip
