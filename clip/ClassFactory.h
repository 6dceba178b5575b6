#pragma once
// The class object of one class of the library. Class objects live as long as the
// library; a reference to one counts as a server lock, so that the library stays loaded
// while a client holds it.

#include <windows.h>
#include <unknwn.h>

namespace clip {

struct ClassEntry {
    const CLSID& clsid;
    // Carried by the class object; only classes that register it write it.
    const wchar_t* progId;
    HRESULT (*create)(IUnknown* outer, REFIID iid, void** out);
    HRESULT (*updateRegistry)(bool registering);
};

class ClassFactory final : public IClassFactory {
public:
    explicit ClassFactory(const ClassEntry& entry) : entry_(entry) {}
    ClassFactory(const ClassFactory&) = delete;
    ClassFactory& operator=(const ClassFactory&) = delete;

    const CLSID& Clsid() const { return entry_.clsid; }
    const wchar_t* ProgId() const { return entry_.progId; }
    HRESULT UpdateRegistry(bool registering) const { return entry_.updateRegistry(registering); }

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
    STDMETHODIMP LockServer(BOOL lock) override;

private:
    const ClassEntry& entry_;
};

}  // namespace clip
