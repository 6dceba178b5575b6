#include "slotpad/platform/win32/ClipControlHost.h"

#include <cstdint>
#include <cstring>

#include "clip_h.h"
#include "slotpad/platform/win32/ControlSite.h"

namespace slotpad::win32 {

namespace {

// The control's identity, as its type library publishes it.
const CLSID& kClipClsid = CLSID_Clip;
const IID& kClipEventsIid = DIID__DClipEvents;
constexpr DISPID kStopViewer = DISPID_CLIP_STOPVIEWER;
constexpr DISPID kStartViewer = DISPID_CLIP_STARTVIEWER;

// Where the control sits on the main window, in pixels (720, 2160 twips; 360 by 360).
constexpr RECT kControlRect{48, 144, 48 + 24, 144 + 24};

// The saved state of the main window's instance: version 1.0, an extent of 635 by 635
// HIMETRIC (24 by 24 pixels), no stored properties.
constexpr int32_t kSavedState[4] = {0x00010000, 635, 635, 0};

// Gives the control its saved state; a fresh state when the control cannot read it.
void LoadState(IOleObject* control) {
    ComPtr<IPersistStreamInit> persist;
    if (FAILED(control->QueryInterface(IID_IPersistStreamInit, persist.PutVoid()))) return;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof(kSavedState));
    if (block) {
        if (void* p = GlobalLock(block)) {
            std::memcpy(p, kSavedState, sizeof(kSavedState));
            GlobalUnlock(block);
        }
        ComPtr<IStream> stream;
        if (SUCCEEDED(CreateStreamOnHGlobal(block, TRUE, stream.Put()))) {
            if (SUCCEEDED(persist->Load(stream.Get()))) return;
        } else {
            GlobalFree(block);
        }
    }
    persist->InitNew();
}

}  // namespace

std::unique_ptr<ClipControlHost> ClipControlHost::Create(HWND parent, MainWindowEvents& events, HRESULT& error) {
    std::unique_ptr<ClipControlHost> host(new ClipControlHost());
    error = host->Activate(parent, events);
    if (FAILED(error)) return nullptr;
    return host;
}

HRESULT ClipControlHost::Activate(HWND parent, MainWindowEvents& events) {
    HRESULT hr = CoCreateInstance(kClipClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject, control_.PutVoid());
    if (FAILED(hr)) return hr;

    const auto site = foundation::MakeComObject<ControlSite>(parent, kControlRect);
    site_ = site.As<IUnknown>(IID_IUnknown);
    hr = control_->SetClientSite(site.Get());
    if (FAILED(hr)) return hr;
    LoadState(control_.Get());

    hr = control_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site.Get(), 0, parent, &kControlRect);
    if (FAILED(hr)) return hr;
    // The control is not visible at run time and never takes the focus.
    if (HWND window = ControlWindow()) {
        ShowWindow(window, SW_HIDE);
        EnableWindow(window, FALSE);
    }

    hr = control_->QueryInterface(IID_IDispatch, dispatch_.PutVoid());
    if (FAILED(hr)) return hr;

    ComPtr<IConnectionPointContainer> points;
    hr = control_->QueryInterface(IID_IConnectionPointContainer, points.PutVoid());
    if (FAILED(hr)) return hr;
    hr = points->FindConnectionPoint(kClipEventsIid, eventsPoint_.Put());
    if (FAILED(hr)) return hr;
    const auto sink =
        foundation::MakeComObject<ClipEventSink>(kClipEventsIid, [&events] { events.Clip_NewClipboardElement(); });
    sink_ = sink.As<IUnknown>(IID_IUnknown);
    return eventsPoint_->Advise(sink.Get(), &cookie_);
}

ClipControlHost::~ClipControlHost() {
    if (eventsPoint_ && cookie_) eventsPoint_->Unadvise(cookie_);
    eventsPoint_.Reset();
    dispatch_.Reset();
    if (control_) {
        // Deactivating destroys the control's window, which also leaves the viewer chain.
        control_->Close(OLECLOSE_NOSAVE);
        control_->SetClientSite(nullptr);
        control_.Reset();
    }
}

HWND ClipControlHost::ControlWindow() const {
    ComPtr<IOleInPlaceObject> inPlace;
    HWND window = nullptr;
    if (control_ && SUCCEEDED(control_->QueryInterface(IID_IOleInPlaceObject, inPlace.PutVoid())))
        inPlace->GetWindow(&window);
    return window;
}

void ClipControlHost::CallMethod(DISPID id) {
    if (!dispatch_) return;
    DISPPARAMS none{};
    dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr);
}

void ClipControlHost::StartViewer() { CallMethod(kStartViewer); }
void ClipControlHost::StopViewer() { CallMethod(kStopViewer); }

}  // namespace slotpad::win32
