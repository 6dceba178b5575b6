#pragma once
// Hosts the clipboard viewer control on the main window: creates it by its class id,
// sites it in a minimal OLE container of our own, keeps it hidden, and forwards its
// NewClipboardElement event.

#include <windows.h>
#include <ole2.h>
#include <ocidl.h>

#include <memory>

#include "slotpad/platform/ClipViewer.h"
#include "slotpad/platform/MainWindowEvents.h"
#include "win32/ComPtr.h"

namespace slotpad::win32 {

using foundation::ComPtr;

class ClipControlHost : public ClipViewer {
public:
    // Creates and activates the control on `parent`. Returns null with `error` set when
    // the control cannot be created (REGDB_E_CLASSNOTREG when it is not registered).
    static std::unique_ptr<ClipControlHost> Create(HWND parent, MainWindowEvents& events, HRESULT& error);
    ~ClipControlHost() override;
    ClipControlHost(const ClipControlHost&) = delete;
    ClipControlHost& operator=(const ClipControlHost&) = delete;

    void StartViewer() override;
    void StopViewer() override;

    // The control's own window, for tests and diagnostics.
    HWND ControlWindow() const;

private:
    ClipControlHost() = default;
    HRESULT Activate(HWND parent, MainWindowEvents& events);
    void CallMethod(DISPID id);

    ComPtr<IOleObject> control_;
    ComPtr<IDispatch> dispatch_;
    ComPtr<IConnectionPoint> eventsPoint_;
    ComPtr<IUnknown> site_;
    ComPtr<IUnknown> sink_;
    DWORD cookie_ = 0;
};

}  // namespace slotpad::win32
