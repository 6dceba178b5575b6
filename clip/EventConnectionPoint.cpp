#include "clip/EventConnectionPoint.h"

#include <algorithm>

#include "clip/Enumerators.h"

namespace clip {

STDMETHODIMP EventConnectionPoint::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    if (iid != IID_IUnknown && iid != IID_IConnectionPoint) {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    *out = static_cast<IConnectionPoint*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP EventConnectionPoint::GetConnectionInterface(IID* iid) {
    if (!iid) return E_POINTER;
    *iid = eventsIid_;
    return S_OK;
}

STDMETHODIMP EventConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** out) {
    if (!out) return E_POINTER;
    *out = &container_;
    container_.AddRef();
    return S_OK;
}

STDMETHODIMP EventConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
    if (!cookie) return E_POINTER;
    *cookie = 0;
    if (!sink) return E_POINTER;
    // A sink that answers only IDispatch is taken too: events go through Invoke anyway.
    ComPtr<IDispatch> dispatch;
    if (FAILED(sink->QueryInterface(eventsIid_, dispatch.PutVoid())) &&
        FAILED(sink->QueryInterface(IID_IDispatch, dispatch.PutVoid())))
        return CONNECT_E_CANNOTCONNECT;
    connections_.push_back({nextCookie_, std::move(dispatch)});
    *cookie = nextCookie_++;
    return S_OK;
}

STDMETHODIMP EventConnectionPoint::Unadvise(DWORD cookie) {
    const auto found = std::find_if(connections_.begin(), connections_.end(),
                                    [cookie](const Connection& c) { return c.cookie == cookie; });
    if (found == connections_.end()) return CONNECT_E_NOCONNECTION;
    // The sink may be released only after it left the list: its release can re-enter.
    ComPtr<IDispatch> sink = std::move(found->sink);
    connections_.erase(found);
    return S_OK;
}

STDMETHODIMP EventConnectionPoint::EnumConnections(IEnumConnections** out) {
    if (!out) return E_POINTER;
    std::vector<CONNECTDATA> data;
    data.reserve(connections_.size());
    for (const Connection& c : connections_) data.push_back({c.sink.Get(), c.cookie});
    return CreateComObject<ConnectionEnumerator>(nullptr, IID_IEnumConnections, reinterpret_cast<void**>(out), data,
                                                 ComPtr<IUnknown>(&container_));
}

bool EventConnectionPoint::IsConnected(DWORD cookie) const {
    return std::any_of(connections_.begin(), connections_.end(),
                       [cookie](const Connection& c) { return c.cookie == cookie; });
}

void EventConnectionPoint::Fire(DISPID id) {
    // Handlers may connect and disconnect sinks while the event runs: call the sinks
    // connected at the start that are still connected when their turn comes.
    const std::vector<Connection> snapshot = connections_;
    for (const Connection& c : snapshot) {
        if (!IsConnected(c.cookie)) continue;
        DISPPARAMS none{};
        c.sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr);
    }
}

}  // namespace clip
