#include "clip/ComObject.h"

#include <climits>

#include "clip/ClipModule.h"

namespace clip {

namespace {
// The count while FinalRelease runs: far from zero, so that references taken and
// dropped during teardown cannot delete the object a second time.
constexpr LONG kFinalReleaseCount = LONG_MAX / 2;
}  // namespace

ComObjectRoot::ComObjectRoot(IUnknown* outer) : inner_(*this), outer_(outer ? outer : &inner_) {
    CClipModule::Instance().ObjectCreated();
}

ComObjectRoot::~ComObjectRoot() { CClipModule::Instance().ObjectDestroyed(); }

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

}  // namespace clip
