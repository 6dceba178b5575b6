#include "clip/ControlBase.h"

#include "clip/ClipModule.h"

namespace clip {

namespace {

constexpr wchar_t kWindowClass[] = L"ClipCtrlWindow";
bool windowClassRegistered = false;

}  // namespace

ControlBase::ControlBase(IUnknown* outer, const ControlDescription& description)
    : ComObject(outer), description_(description), events_(*this, description.eventsIid),
      extent_(description.defaultExtent) {}

ControlBase::~ControlBase() {
    // FinalRelease has destroyed the window; this only guards against a window that
    // outlived it, which must not call into a freed object.
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void* ControlBase::FindInterface(REFIID iid) {
    if (iid == IID_IDispatch || iid == description_.dispatchIid) return static_cast<IDispatch*>(this);
    if (iid == IID_IOleObject) return static_cast<IOleObject*>(this);
    if (iid == IID_IOleWindow || iid == IID_IOleInPlaceObject) return static_cast<IOleInPlaceObject*>(this);
    if (iid == IID_IOleInPlaceActiveObject) return static_cast<IOleInPlaceActiveObject*>(this);
    if (iid == IID_IOleControl) return static_cast<IOleControl*>(this);
    if (iid == IID_IViewObject || iid == IID_IViewObject2) return static_cast<IViewObject2*>(this);
    // IPersistStreamInit extends IPersistStream's table by InitNew alone, so it serves both.
    if (iid == IID_IPersist || iid == IID_IPersistStream || iid == IID_IPersistStreamInit)
        return static_cast<IPersistStreamInit*>(this);
    if (iid == IID_IPersistPropertyBag) return static_cast<IPersistPropertyBag*>(this);
    if (iid == IID_IPersistStorage) return static_cast<IPersistStorage*>(this);
    if (iid == IID_IProvideClassInfo || iid == IID_IProvideClassInfo2) return static_cast<IProvideClassInfo2*>(this);
    if (iid == IID_ISpecifyPropertyPages) return static_cast<ISpecifyPropertyPages*>(this);
    if (iid == IID_IConnectionPointContainer) return static_cast<IConnectionPointContainer*>(this);
    return nullptr;
}

void ControlBase::FinalRelease() {
    // Deactivating destroys the window now, while the derived control still exists to
    // handle the window's last messages.
    InPlaceDeactivate();
    if (window_) DestroyWindow(window_);
    events_.DisconnectAll();
    viewSink_.Reset();
    oleAdvise_.Reset();
    clientSite_.Reset();
    dispatchInfo_.Reset();
}

void ControlBase::UnregisterWindowClass() {
    if (!windowClassRegistered) return;
    UnregisterClassW(kWindowClass, CClipModule::Instance().ResourceInstance());
    windowClassRegistered = false;
}

bool ControlBase::CreateControlWindow(HWND parent, const RECT& position) {
    const HINSTANCE instance = CClipModule::Instance().ResourceInstance();
    if (!windowClassRegistered) {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
        windowClass.lpfnWndProc = &ControlBase::WindowProc;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        windowClass.lpszClassName = kWindowClass;
        if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
        windowClassRegistered = true;
    }
    CreateWindowExW(0, kWindowClass, L"", WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, position.left, position.top,
                    position.right - position.left, position.bottom - position.top, parent, nullptr, instance,
                    static_cast<ControlBase*>(this));
    return window_ != nullptr;
}

LRESULT CALLBACK ControlBase::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<ControlBase*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self = static_cast<ControlBase*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->window_ = window;
    }
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_DESTROY) {
        const LRESULT result = self->HandleMessage(message, wParam, lParam);
        self->WindowDestroyed();
        return result;
    }
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT ControlBase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // OnDraw covers the whole client area
        case WM_PAINT: {
            PAINTSTRUCT paint;
            if (HDC dc = BeginPaint(window_, &paint)) {
                RECT client;
                GetClientRect(window_, &client);
                OnDraw(dc, client);
            }
            EndPaint(window_, &paint);
            return 0;
        }
        case WM_PRINTCLIENT: {
            RECT client;
            GetClientRect(window_, &client);
            OnDraw(reinterpret_cast<HDC>(wParam), client);
            return 0;
        }
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

HRESULT ControlBase::RaiseError(EXCEPINFO* exception, HRESULT error) {
    if (!exception) return error;
    *exception = EXCEPINFO{};
    exception->scode = error;
    return DISP_E_EXCEPTION;
}

}  // namespace clip
