#include "win32/ComObject.h"

#include <climits>

namespace foundation {

namespace {
// The count while FinalRelease runs: far from zero, so that references taken and
// dropped during teardown cannot delete the object a second time.
constexpr LONG kFinalReleaseCount = LONG_MAX / 2;
LONG liveObjects = 0;
}  // namespace

LONG LiveComObjects() { return InterlockedCompareExchange(&liveObjects, 0, 0); }

ComObjectRoot::ComObjectRoot(IUnknown* outer) : inner_(*this), outer_(outer ? outer : &inner_) {
    InterlockedIncrement(&liveObjects);
}

ComObjectRoot::~ComObjectRoot() { InterlockedDecrement(&liveObjects); }

STDMETHODIMP ComObjectRoot::InnerUnknown::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = iid == IID_IUnknown ? static_cast<IUnknown*>(this) : owner_.FindInterface(iid);
    if (!*out) return E_NOINTERFACE;
    static_cast<IUnknown*>(*out)->AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) ComObjectRoot::InnerUnknown::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&owner_.refs_));
}

STDMETHODIMP_(ULONG) ComObjectRoot::InnerUnknown::Release() {
    const LONG left = InterlockedDecrement(&owner_.refs_);
    if (left == 0) {
        owner_.refs_ = kFinalReleaseCount;
        owner_.FinalRelease();
        delete &owner_;
    }
    return static_cast<ULONG>(left);
}

}  // namespace foundation
