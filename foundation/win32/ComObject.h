#pragma once
// Reference counting and QueryInterface for every COM object of ours, with
// aggregation: an object created inside an aggregate delegates its IUnknown methods to
// the outer object and hands out its own IUnknown only to that outer object.

#include <windows.h>
#include <unknwn.h>

#include "win32/ComPtr.h"

#include <new>
#include <utility>

namespace foundation {

// The objects of this module alive now: a server may unload only when none is.
LONG LiveComObjects();

class ComObjectRoot {
public:
    ComObjectRoot(const ComObjectRoot&) = delete;
    ComObjectRoot& operator=(const ComObjectRoot&) = delete;

    // The object's own (non-delegating) IUnknown.
    IUnknown* Inner() { return &inner_; }
    // The controlling IUnknown: the aggregate's, or Inner() when not aggregated.
    IUnknown* Outer() const { return outer_; }
    // The references held now, for the tests' checks that a caller let go of an object.
    LONG References() const { return refs_; }

protected:
    explicit ComObjectRoot(IUnknown* outer);
    virtual ~ComObjectRoot();

    // The pointer that QueryInterface returns for `iid` (IUnknown aside), or null.
    virtual void* FindInterface(REFIID iid) = 0;
    // Runs once when the last reference goes, while the whole object still exists, so
    // that teardown may call virtual functions and other objects.
    virtual void FinalRelease() {}

private:
    class InnerUnknown final : public IUnknown {
    public:
        explicit InnerUnknown(ComObjectRoot& owner) : owner_(owner) {}
        STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
        STDMETHODIMP_(ULONG) AddRef() override;
        STDMETHODIMP_(ULONG) Release() override;

    private:
        ComObjectRoot& owner_;
    };

    InnerUnknown inner_;
    IUnknown* outer_;
    LONG refs_ = 0;
};

// An object implementing `Interfaces`, whose IUnknown methods go to the controlling unknown.
template <typename... Interfaces>
class ComObject : public ComObjectRoot, public Interfaces... {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override { return Outer()->QueryInterface(iid, out); }
    STDMETHODIMP_(ULONG) AddRef() override { return Outer()->AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return Outer()->Release(); }

protected:
    explicit ComObject(IUnknown* outer = nullptr) : ComObjectRoot(outer) {}
};

// Creates T(args...), an object outside any aggregate, and hands out the first reference.
template <typename T, typename... Args>
ComPtr<T> MakeComObject(Args&&... args) {
    ComPtr<T> result(new T(std::forward<Args>(args)...));
    return result;
}

// Creates T(outer, args...) and queries it for `iid`, as IClassFactory::CreateInstance does:
// inside an aggregate only IUnknown may be asked for.
template <typename T, typename... Args>
HRESULT CreateComObject(IUnknown* outer, REFIID iid, void** out, Args&&... args) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer && iid != IID_IUnknown) return CLASS_E_NOAGGREGATION;
    T* object = new (std::nothrow) T(outer, std::forward<Args>(args)...);
    if (!object) return E_OUTOFMEMORY;
    IUnknown* inner = object->Inner();
    inner->AddRef();
    const HRESULT hr = inner->QueryInterface(iid, out);
    inner->Release();
    return hr;
}

}  // namespace foundation
