#pragma once
// Registry entries of the library under HKEY_CLASSES_ROOT, in the documented layout for
// ActiveX control classes, property page classes and type libraries.

#include <windows.h>

#include <string>

namespace clip {

struct ControlClassRegistration {
    const CLSID& clsid;
    const wchar_t* progId;
    UINT typeNameId;       // string resource with the class's type name
    UINT toolboxBitmapId;  // bitmap resource shown in a designer's toolbox
    DWORD miscStatus;      // OLEMISC_* bits for DVASPECT_CONTENT
    const GUID& libid;
    WORD versionMajor;
    WORD versionMinor;
};

std::wstring GuidString(const GUID& guid);

// The class key with its type name, InprocServer32, Control, ToolboxBitmap32,
// MiscStatus, TypeLib, Version and ProgID, and the ProgID key pointing back. The control
// is not insertable, so no Insertable key is written.
HRESULT RegisterControlClass(const ControlClassRegistration& control);
// The class key with its type name and InprocServer32.
HRESULT RegisterPropertyPageClass(const CLSID& clsid, UINT typeNameId);
// Removes the class key and, when `progId` is given, the ProgID key.
HRESULT UnregisterClassKeys(const CLSID& clsid, const wchar_t* progId);

// Registers the type library held in this library's file (resource "TYPELIB" 1).
HRESULT RegisterTypeLibrary();
// Unregisters the type library as it is registered; fails when it is not registered.
HRESULT UnregisterTypeLibrary(const GUID& libid, WORD major, WORD minor, LCID lcid);

}  // namespace clip
