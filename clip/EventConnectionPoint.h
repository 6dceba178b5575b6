#pragma once
// The connection point of a control's event dispinterface: any number of sinks, each
// called through IDispatch::Invoke. It lives inside its container and shares its
// reference count.

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <vector>

#include "win32/ComPtr.h"

namespace clip {

using foundation::ComPtr;

class EventConnectionPoint final : public IConnectionPoint {
public:
    EventConnectionPoint(IConnectionPointContainer& container, const IID& eventsIid)
        : container_(container), eventsIid_(eventsIid) {}
    EventConnectionPoint(const EventConnectionPoint&) = delete;
    EventConnectionPoint& operator=(const EventConnectionPoint&) = delete;

    const IID& EventsIid() const { return eventsIid_; }
    // Calls the event `id`, without arguments, on every sink connected when it starts;
    // returns when the last sink's handler has returned.
    void Fire(DISPID id);
    // Lets every sink go.
    void DisconnectAll() { connections_.clear(); }

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return container_.AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return container_.Release(); }

    STDMETHODIMP GetConnectionInterface(IID* iid) override;
    STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** out) override;
    STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override;
    STDMETHODIMP Unadvise(DWORD cookie) override;
    STDMETHODIMP EnumConnections(IEnumConnections** out) override;

private:
    struct Connection {
        DWORD cookie;
        ComPtr<IDispatch> sink;
    };

    bool IsConnected(DWORD cookie) const;

    IConnectionPointContainer& container_;
    const IID& eventsIid_;
    std::vector<Connection> connections_;
    DWORD nextCookie_ = 1;
};

}  // namespace clip
