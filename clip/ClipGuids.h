#pragma once
// Identifiers of the control library. The type library's own come from the header that
// widl generates from clip.idl; the property page is not part of the type library.

#include <windows.h>

#include "clip_h.h"

namespace clip {

inline constexpr CLSID CLSID_CClipPropPage = {
    0x00AC9384, 0x5F99, 0x11D1, {0x9D, 0xED, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};

inline constexpr WORD kTypeLibMajor = 1;
inline constexpr WORD kTypeLibMinor = 0;
// The one locale the type library is built and registered for.
inline constexpr LCID kTypeLibLcid = 0x0409;

}  // namespace clip
