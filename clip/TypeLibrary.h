#pragma once
// The control library's type information: from the registered type library in the
// caller's locale, else in the library's own locale, else from this file's own resource
// (so that an object created before registration still describes itself).

#include <windows.h>
#include <oaidl.h>

namespace clip {

HRESULT LoadClipTypeLib(LCID lcid, ITypeLib** out);
HRESULT LoadClipTypeInfo(REFGUID guid, LCID lcid, ITypeInfo** out);

}  // namespace clip
