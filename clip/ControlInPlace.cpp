// In-place activation: the control's window exists from activation to deactivation.

#include "clip/ControlBase.h"

namespace clip {

HRESULT ControlBase::InPlaceActivate(IOleClientSite* site, HWND parentHint, LPCRECT positionHint) {
    if (!inPlaceActive_) {
        if (!site) return E_UNEXPECTED;
        ComPtr<IOleInPlaceSite> inPlaceSite;
        HRESULT hr = site->QueryInterface(IID_IOleInPlaceSite, inPlaceSite.PutVoid());
        if (FAILED(hr)) return hr;
        if (inPlaceSite->CanInPlaceActivate() != S_OK) return E_FAIL;
        hr = inPlaceSite->OnInPlaceActivate();
        if (FAILED(hr)) return hr;
        inPlaceActive_ = true;
        inPlaceSite_ = inPlaceSite;

        HWND parent = nullptr;
        if (FAILED(inPlaceSite->GetWindow(&parent)) || !parent) parent = parentHint;
        RECT position{};
        RECT clip{};
        OLEINPLACEFRAMEINFO frameInfo{};
        frameInfo.cb = sizeof(frameInfo);
        if (FAILED(inPlaceSite->GetWindowContext(frame_.Put(), uiWindow_.Put(), &position, &clip, &frameInfo))) {
            frame_.Reset();
            uiWindow_.Reset();
            if (positionHint) position = *positionHint;
        }
        if (!window_ && (!parent || !CreateControlWindow(parent, position))) {
            InPlaceDeactivate();
            return E_FAIL;
        }
    }
    if (window_) ShowWindow(window_, SW_SHOWNA);
    if (clientSite_) clientSite_->ShowObject();
    return S_OK;
}

HRESULT ControlBase::UIActivate() {
    if (uiActive_ || !inPlaceSite_) return S_OK;
    uiActive_ = true;
    inPlaceSite_->OnUIActivate();
    if (window_ && IsWindowVisible(window_)) SetFocus(window_);
    IOleInPlaceActiveObject* active = this;
    if (frame_) {
        frame_->SetActiveObject(active, nullptr);
        frame_->SetBorderSpace(nullptr);
    }
    if (uiWindow_) {
        uiWindow_->SetActiveObject(active, nullptr);
        uiWindow_->SetBorderSpace(nullptr);
    }
    return S_OK;
}

STDMETHODIMP ControlBase::GetWindow(HWND* window) {
    if (!window) return E_POINTER;
    *window = window_;
    return window_ ? S_OK : E_FAIL;
}

STDMETHODIMP ControlBase::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

STDMETHODIMP ControlBase::InPlaceDeactivate() {
    EndInPlaceActivation(true);
    return S_OK;
}

// A container may also destroy the window itself (its parent goes away, or DestroyWindow
// on hWnd): that ends the activation too, so that activating again makes a new window.
void ControlBase::EndInPlaceActivation(bool destroyWindow) {
    if (!inPlaceActive_) return;
    UIDeactivate();
    inPlaceActive_ = false;
    // The window's end also takes the control out of the clipboard viewer chain.
    if (destroyWindow && window_) DestroyWindow(window_);
    frame_.Reset();
    uiWindow_.Reset();
    const ComPtr<IOleInPlaceSite> site = std::move(inPlaceSite_);
    if (site) site->OnInPlaceDeactivate();
}

STDMETHODIMP ControlBase::UIDeactivate() {
    if (!uiActive_) return S_OK;
    uiActive_ = false;
    if (uiWindow_) uiWindow_->SetActiveObject(nullptr, nullptr);
    if (frame_) frame_->SetActiveObject(nullptr, nullptr);
    if (inPlaceSite_) inPlaceSite_->OnUIDeactivate(FALSE);
    return S_OK;
}

STDMETHODIMP ControlBase::SetObjectRects(LPCRECT position, LPCRECT) {
    if (!position) return E_POINTER;
    if (window_)
        SetWindowPos(window_, nullptr, position->left, position->top, position->right - position->left,
                     position->bottom - position->top, SWP_NOZORDER | SWP_NOACTIVATE);
    return S_OK;
}

STDMETHODIMP ControlBase::ReactivateAndUndo() { return INPLACE_E_NOTUNDOABLE; }

STDMETHODIMP ControlBase::TranslateAccelerator(LPMSG) { return S_FALSE; }

STDMETHODIMP ControlBase::OnFrameWindowActivate(BOOL) { return S_OK; }

STDMETHODIMP ControlBase::OnDocWindowActivate(BOOL) { return S_OK; }

STDMETHODIMP ControlBase::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) { return S_OK; }

STDMETHODIMP ControlBase::EnableModeless(BOOL) { return S_OK; }

}  // namespace clip
