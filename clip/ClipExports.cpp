// The library's entry point and its four exports (see CLIP.def).

#include <windows.h>
#include <objbase.h>
#include <olectl.h>

#include "clip/ClipModule.h"
#include "clip/ControlBase.h"

using clip::CClipModule;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    switch (reason) {
        case DLL_PROCESS_ATTACH:
            CClipModule::Instance().Attach(instance);
            DisableThreadLibraryCalls(instance);
            break;
        case DLL_PROCESS_DETACH:
            // A library unloaded by FreeLibrary must not leave its window class behind,
            // pointing at code that is gone; at process end the class goes anyway.
            if (!reserved) clip::ControlBase::UnregisterWindowClass();
            break;
        default:
            break;
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out) {
    return CClipModule::Instance().GetClassObject(clsid, iid, out);
}

STDAPI DllCanUnloadNow() { return CClipModule::Instance().CanUnload() ? S_OK : S_FALSE; }

STDAPI DllRegisterServer() { return CClipModule::Instance().RegisterServer(); }

STDAPI DllUnregisterServer() { return CClipModule::Instance().UnregisterServer(); }
