#pragma once
// A windowed ActiveX control, as small as its hosts need: automation through IDispatch
// answered from the type library, events through one connection point, OLE embedding
// with in-place activation (the control's window is created on activation), drawing
// through IViewObject2, persistence to streams, property bags and storages, class
// information and property pages. A control derives from it and supplies its members,
// its drawing and its window messages.

#include <windows.h>
#include <ocidl.h>
#include <ole2.h>
#include <olectl.h>

#include <span>
#include <string>

#include "clip/EventConnectionPoint.h"
#include "win32/ComObject.h"
#include "win32/ComPtr.h"
#include "win32/WindowBase.h"

namespace clip {

using foundation::ComObject;
using foundation::ComPtr;
using foundation::CreateComObject;

// What the base needs to know about the control built on it.
struct ControlDescription {
    const CLSID& clsid;
    const IID& dispatchIid;
    const IID& eventsIid;
    UINT typeNameId;  // string resource: the user type name
    DWORD miscStatus;  // OLEMISC_* for DVASPECT_CONTENT
    std::span<const CLSID> propertyPages;
    DWORD stateVersion;  // first field of the saved state: major in the high word, minor in the low
    SIZEL defaultExtent;  // HIMETRIC
};

class ControlBase
    : public ComObject<IDispatch, IOleObject, IOleInPlaceObject, IOleInPlaceActiveObject, IOleControl, IViewObject2,
                       IPersistStreamInit, IPersistPropertyBag, IPersistStorage, IProvideClassInfo2,
                       ISpecifyPropertyPages, IConnectionPointContainer>,
      public foundation::WindowBase {
public:
    // The size of the saved state in a stream: version, extent, stored properties mask.
    static constexpr ULONG kSavedStateSize = 16;

    // Called when the library unloads.
    static void UnregisterWindowClass();

    // IDispatch
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo** out) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argError) override;

    // IOleObject
    STDMETHODIMP SetClientSite(IOleClientSite* site) override;
    STDMETHODIMP GetClientSite(IOleClientSite** site) override;
    STDMETHODIMP SetHostNames(LPCOLESTR app, LPCOLESTR object) override;
    STDMETHODIMP Close(DWORD saveOption) override;
    STDMETHODIMP SetMoniker(DWORD which, IMoniker* moniker) override;
    STDMETHODIMP GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) override;
    STDMETHODIMP InitFromData(IDataObject* data, BOOL creation, DWORD reserved) override;
    STDMETHODIMP GetClipboardData(DWORD reserved, IDataObject** data) override;
    STDMETHODIMP DoVerb(LONG verb, LPMSG msg, IOleClientSite* activeSite, LONG index, HWND parent,
                        LPCRECT position) override;
    STDMETHODIMP EnumVerbs(IEnumOLEVERB** verbs) override;
    STDMETHODIMP Update() override;
    STDMETHODIMP IsUpToDate() override;
    STDMETHODIMP GetUserClassID(CLSID* clsid) override;
    STDMETHODIMP GetUserType(DWORD form, LPOLESTR* name) override;
    STDMETHODIMP SetExtent(DWORD aspect, SIZEL* size) override;
    STDMETHODIMP GetExtent(DWORD aspect, SIZEL* size) override;
    STDMETHODIMP Advise(IAdviseSink* sink, DWORD* connection) override;
    STDMETHODIMP Unadvise(DWORD connection) override;
    STDMETHODIMP EnumAdvise(IEnumSTATDATA** advises) override;
    STDMETHODIMP GetMiscStatus(DWORD aspect, DWORD* status) override;
    STDMETHODIMP SetColorScheme(LOGPALETTE* palette) override;

    // IOleWindow, shared by IOleInPlaceObject and IOleInPlaceActiveObject
    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL enterMode) override;

    // IOleInPlaceObject
    STDMETHODIMP InPlaceDeactivate() override;
    STDMETHODIMP UIDeactivate() override;
    STDMETHODIMP SetObjectRects(LPCRECT position, LPCRECT clip) override;
    STDMETHODIMP ReactivateAndUndo() override;

    // IOleInPlaceActiveObject
    STDMETHODIMP TranslateAccelerator(LPMSG msg) override;
    STDMETHODIMP OnFrameWindowActivate(BOOL activate) override;
    STDMETHODIMP OnDocWindowActivate(BOOL activate) override;
    STDMETHODIMP ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window, BOOL frameWindow) override;
    STDMETHODIMP EnableModeless(BOOL enable) override;

    // IOleControl
    STDMETHODIMP GetControlInfo(CONTROLINFO* info) override;
    STDMETHODIMP OnMnemonic(MSG* msg) override;
    STDMETHODIMP OnAmbientPropertyChange(DISPID id) override;
    STDMETHODIMP FreezeEvents(BOOL freeze) override;

    // IViewObject2
    STDMETHODIMP Draw(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* device, HDC targetInfo,
                      HDC target, LPCRECTL bounds, LPCRECTL windowBounds, BOOL(STDMETHODCALLTYPE* keepGoing)(ULONG_PTR),
                      ULONG_PTR keepGoingArgument) override;
    STDMETHODIMP GetColorSet(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* device, HDC targetInfo,
                             LOGPALETTE** colors) override;
    STDMETHODIMP Freeze(DWORD aspect, LONG index, void* aspectInfo, DWORD* freeze) override;
    STDMETHODIMP Unfreeze(DWORD freeze) override;
    STDMETHODIMP SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) override;
    STDMETHODIMP GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) override;
    STDMETHODIMP GetExtent(DWORD aspect, LONG index, DVTARGETDEVICE* device, LPSIZEL size) override;

    // IPersist, shared by the three persistence interfaces
    STDMETHODIMP GetClassID(CLSID* clsid) override;
    // IPersistStreamInit and IPersistStorage
    STDMETHODIMP IsDirty() override;
    // IPersistStreamInit and IPersistPropertyBag
    STDMETHODIMP InitNew() override;

    // IPersistStreamInit
    STDMETHODIMP Load(IStream* stream) override;
    STDMETHODIMP Save(IStream* stream, BOOL clearDirty) override;
    STDMETHODIMP GetSizeMax(ULARGE_INTEGER* size) override;

    // IPersistPropertyBag
    STDMETHODIMP Load(IPropertyBag* bag, IErrorLog* log) override;
    STDMETHODIMP Save(IPropertyBag* bag, BOOL clearDirty, BOOL saveAll) override;

    // IPersistStorage
    STDMETHODIMP InitNew(IStorage* storage) override;
    STDMETHODIMP Load(IStorage* storage) override;
    STDMETHODIMP Save(IStorage* storage, BOOL sameAsLoad) override;
    STDMETHODIMP SaveCompleted(IStorage* storage) override;
    STDMETHODIMP HandsOffStorage() override;

    // IProvideClassInfo2
    STDMETHODIMP GetClassInfo(ITypeInfo** out) override;
    STDMETHODIMP GetGUID(DWORD kind, GUID* guid) override;

    // ISpecifyPropertyPages
    STDMETHODIMP GetPages(CAUUID* pages) override;

    // IConnectionPointContainer
    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** out) override;
    STDMETHODIMP FindConnectionPoint(REFIID iid, IConnectionPoint** out) override;

protected:
    ControlBase(IUnknown* outer, const ControlDescription& description);
    ~ControlBase() override;

    // The members of the dispatch interface, by DISPID. `params` is never null.
    virtual HRESULT InvokeMember(DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result,
                                 EXCEPINFO* exception) = 0;
    // Draws the control into `target`; `bounds` is the control's rectangle there.
    virtual void OnDraw(HDC target, const RECT& bounds) = 0;
    // The messages of the control's window. This one paints through OnDraw; everything
    // else goes to the default window procedure.
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The control's window, once in-place activation has created it.
    HWND Window() const { return window_; }
    void FireEvent(DISPID id) { events_.Fire(id); }
    // Raises `error` as an automation exception, the way hosts expect errors from a
    // property or method.
    static HRESULT RaiseError(EXCEPINFO* exception, HRESULT error);

    void* FindInterface(REFIID iid) override;
    void FinalRelease() override;

private:
    bool CreateControlWindow(HWND parent, const RECT& position);

    IOleClientSite* SiteFor(IOleClientSite* activeSite) const;
    HRESULT InPlaceActivate(IOleClientSite* site, HWND parent, LPCRECT position);
    // Ends in-place activation; the window is destroyed unless it is already going.
    void EndInPlaceActivation(bool destroyWindow);
    void OnWindowDestroyed() override { EndInPlaceActivation(false); }
    HRESULT UIActivate();
    HRESULT ShowPropertyPages(HWND owner);
    HRESULT DispatchTypeInfo(LCID lcid, ITypeInfo** out);
    void SetExtentInternal(const SIZEL& size);
    void NotifyViewChange();

    const ControlDescription& description_;
    EventConnectionPoint events_;

    ComPtr<IOleClientSite> clientSite_;
    ComPtr<IOleInPlaceSite> inPlaceSite_;
    ComPtr<IOleInPlaceFrame> frame_;
    ComPtr<IOleInPlaceUIWindow> uiWindow_;
    ComPtr<IOleAdviseHolder> oleAdvise_;
    ComPtr<IAdviseSink> viewSink_;
    DWORD viewAspects_ = 0;
    DWORD viewFlags_ = 0;
    ComPtr<ITypeInfo> dispatchInfo_;

    // The control's window, as the window base keeps it.
    HWND& window_ = hwnd_;
    bool inPlaceActive_ = false;
    bool uiActive_ = false;
    bool dirty_ = false;
    LONG eventsFrozen_ = 0;
    SIZEL extent_;
};

}  // namespace clip
