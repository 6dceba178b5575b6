#pragma once
// The library's single module object: its instance handle, the counts behind
// DllCanUnloadNow, and the class objects of its two classes.

#include <windows.h>

#include <array>
#include <string>

#include "clip/ClassFactory.h"
#include "win32/ComObject.h"
#include "win32/ModulePath.h"

namespace clip {

class CClipModule {
public:
    static CClipModule& Instance();

    void Attach(HINSTANCE instance) { instance_ = instance; }
    // Where resources come from: this library's own file.
    HINSTANCE ResourceInstance() const { return instance_; }
    // The full path of this library's file.
    std::wstring ModulePath() const { return foundation::ModulePath(instance_); }
    std::wstring ResourceString(UINT id) const;

    void Lock() { InterlockedIncrement(&locks_); }
    void Unlock() { InterlockedDecrement(&locks_); }
    bool CanUnload() const { return foundation::LiveComObjects() == 0 && locks_ == 0; }

    HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** out);
    HRESULT RegisterServer();
    HRESULT UnregisterServer();

private:
    CClipModule();

    HINSTANCE instance_ = nullptr;
    LONG locks_ = 0;
    ClassFactory control_;
    ClassFactory propertyPage_;
    std::array<ClassFactory*, 2> factories_;
};

}  // namespace clip
