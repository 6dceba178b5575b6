#pragma once
// The program's settings globals and the staging record that carries them to and from
// the settings file.

#include <cstdint>
#include <string>

#include "slotpad/store/LinkList.h"

namespace slotpad {

struct FontSpec {
    std::string Name;  // face name, ANSI
    float Size = 0;    // points
    int16_t Bold = VB_FALSE;
    int16_t Italic = VB_FALSE;
    int16_t Underline = VB_FALSE;

    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

inline FontSpec Default_Text_Font() { return {"Courier New", 10.0f, VB_FALSE, VB_FALSE, VB_FALSE}; }
inline FontSpec Default_Desc_Font() { return {"Times New Roman", 14.0f, VB_TRUE, VB_FALSE, VB_FALSE}; }

// Default-constructed it holds the start-up defaults, with no current slot.
struct Settings {
    int16_t AddMode = PLACE_NEXT;
    int16_t IgnoreCase = 1;  // the check box's own value, 1 or 0
    int16_t DelWarn = VB_TRUE;
    int16_t PrintDesc = VB_TRUE;
    FontSpec TextFont = Default_Text_Font();
    FontSpec DescFont = Default_Desc_Font();
    int16_t CurSlot = NIL_NODE;

    friend bool operator==(const Settings&, const Settings&) = default;
};

// The 25 fields in file order. Default-constructed it is all zero, as before anything
// has been read into it.
struct SettingsRecord {
    int16_t WindowLeft = 0;           // 1, twips
    int16_t WindowTop = 0;            // 2
    int16_t WindowWidth = 0;          // 3
    int16_t WindowHeight = 0;         // 4
    int16_t IgnoreCase = 0;           // 5
    int16_t CurrentSlot = 0;          // 6
    int16_t Reserved = 0;             // 7, carried through unchanged
    int16_t PlacementMode = 0;        // 8
    int16_t DeleteWarning = 0;        // 9
    int16_t OnTop = 0;                // 10
    int16_t Head = 0;                 // 11
    int16_t Tail = 0;                 // 12
    int16_t LastPosition = 0;         // 13
    int16_t FreeTop = 0;              // 14
    std::string TextFontName;         // 15
    float TextFontSize = 0;           // 16
    int16_t TextFontBold = 0;         // 17
    int16_t TextFontItalic = 0;       // 18
    int16_t TextFontUnderline = 0;    // 19
    int16_t PrintDescription = 0;     // 20
    std::string DescFontName;         // 21
    float DescFontSize = 0;           // 22
    int16_t DescFontBold = 0;         // 23
    int16_t DescFontItalic = 0;       // 24
    int16_t DescFontUnderline = 0;    // 25

    friend bool operator==(const SettingsRecord&, const SettingsRecord&) = default;
};

}  // namespace slotpad
