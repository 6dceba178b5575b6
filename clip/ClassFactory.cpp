#include "clip/ClassFactory.h"

#include "clip/ClipModule.h"

namespace clip {

STDMETHODIMP ClassFactory::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    if (iid != IID_IUnknown && iid != IID_IClassFactory) {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    *out = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
}

// The object itself is never freed; the counts only keep the library loaded.
STDMETHODIMP_(ULONG) ClassFactory::AddRef() {
    CClipModule::Instance().Lock();
    return 2;
}

STDMETHODIMP_(ULONG) ClassFactory::Release() {
    CClipModule::Instance().Unlock();
    return 1;
}

STDMETHODIMP ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
    return entry_.create(outer, iid, out);
}

STDMETHODIMP ClassFactory::LockServer(BOOL lock) {
    if (lock)
        CClipModule::Instance().Lock();
    else
        CClipModule::Instance().Unlock();
    return S_OK;
}

}  // namespace clip
