#pragma once
// The tests' own minimal container: a client site that lets the control activate in
// place on a window of the test, an event sink, and a control hosted the way SlotPad
// hosts it (create by class id, site, InitNew, in-place activate, then call by DISPID).

#include <windows.h>
#include <ocidl.h>
#include <ole2.h>

#include <functional>

#include "win32/ComObject.h"
#include "win32/ComPtr.h"

namespace cliptest {

using foundation::ComPtr;
using foundation::MakeComObject;

// The tests' own COM objects; Refs() lets a test check that the control let go of
// everything it was given.
template <typename... Interfaces>
class TestObject : public foundation::ComObject<Interfaces...> {
public:
    LONG Refs() const { return this->References(); }
};

class TestSite final : public TestObject<IOleClientSite, IOleInPlaceSite, IOleInPlaceFrame> {
public:
    TestSite(HWND window, const RECT& position) : window_(window), position_(position) {}

    int inPlaceActivations = 0;
    int inPlaceDeactivations = 0;

    // IOleClientSite
    STDMETHODIMP SaveObject() override { return S_OK; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) override;
    STDMETHODIMP GetContainer(IOleContainer** container) override;
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow, shared by the in-place site and the frame
    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override;
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                  LPRECT clip, LPOLEINPLACEFRAMEINFO info) override;
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override;
    STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
    STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
    STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }

    // IOleInPlaceUIWindow and IOleInPlaceFrame
    STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

private:
    void* FindInterface(REFIID iid) override;

    HWND window_;
    RECT position_;
};

// An event sink that counts NewClipboardElement and may run a handler for it.
class EventSink final : public TestObject<IDispatch> {
public:
    explicit EventSink(std::function<void()> onEvent = {}) : onEvent_(std::move(onEvent)) {}

    int events = 0;
    int otherCalls = 0;
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                        UINT*) override;

private:
    void* FindInterface(REFIID iid) override;

    std::function<void()> onEvent_;
};

// Invokes a member without arguments.
HRESULT CallMethod(IUnknown* control, DISPID id);
// The control's hWnd property, read through Invoke.
HWND ReadHwndProperty(IUnknown* control);

// A control hosted by the test's own container on `parent`.
class HostedControl {
public:
    HostedControl(HWND parent, const RECT& position, bool activate = true);
    ~HostedControl();
    HostedControl(const HostedControl&) = delete;
    HostedControl& operator=(const HostedControl&) = delete;

    bool Created() const { return static_cast<bool>(object_); }
    IOleObject* Object() const { return object_.Get(); }
    TestSite& Site() const { return *site_.Get(); }
    HRESULT Activate();
    HWND Window() const;
    HRESULT Call(DISPID id) const { return CallMethod(object_.Get(), id); }
    void StartViewer() const { Call(2); }
    void StopViewer() const { Call(1); }
    // Connects `sink` to the event interface; 0 when that fails.
    DWORD Connect(EventSink* sink);
    void Disconnect(DWORD cookie);
    // Deactivates the control, which destroys its window, and lets it go.
    void Close();

private:
    HWND parent_;
    RECT position_;
    ComPtr<TestSite> site_;
    ComPtr<IOleObject> object_;
    ComPtr<IConnectionPoint> events_;
};

}  // namespace cliptest
