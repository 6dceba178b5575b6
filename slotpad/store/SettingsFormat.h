#pragma once
// The byte layout of the settings and slot file: decoding every version that the program
// reads and encoding the one it writes. No file access and no checking of the list here.

#include <string>
#include <string_view>

#include "slotpad/store/LinkList.h"
#include "slotpad/store/Settings.h"

namespace slotpad {

inline constexpr std::string_view MARKER_1_00_50 = "1.00.50";
inline constexpr std::string_view MARKER_1_00_40 = "1.00.40";
inline constexpr std::string_view MARKER_1_00_10 = "1.00.10";
inline constexpr std::string_view MARKER_1_00_00 = "1.00.00";
// The start of a text file of settings that older releases left under the same name.
inline constexpr std::string_view MARKER_POSITIONS = "[Positi";
inline constexpr size_t MARKER_LENGTH = 7;

// The oldest version keeps a plain array of slots, without the linked list.
inline constexpr int OLD_SLOT_COUNT = 41;

enum class FileKind { Missing, Unreadable, Positions, Unknown, V1_00_50, V1_00_40, V1_00_10, V1_00_00 };

// The marker of a version, or how a file that gave no settings came to give none.
std::string_view File_Kind_Name(FileKind Kind);
constexpr bool Is_Version(FileKind Kind) {
    return Kind == FileKind::V1_00_50 || Kind == FileKind::V1_00_40 || Kind == FileKind::V1_00_10 ||
           Kind == FileKind::V1_00_00;
}

struct DecodedFile {
    FileKind Kind = FileKind::Unknown;
    std::string Marker;  // the bytes read as the marker, at most 7
    bool Truncated = false;
};

// Reads Bytes over Rec and List, which hold the defaults on entry: every field and node
// read completely replaces its default, the rest stay. Rec's fields 11 to 14 and List's
// header both take the file's list header. An oldest-version file is imported into List
// through Insert_Node. Nothing is checked here; List may be inconsistent afterwards.
DecodedFile Decode_Settings_File(std::string_view Bytes, SettingsRecord& Rec, SlotList& List);

// The newest version: marker, the 25 fields of Rec, all 71 nodes, the whole free stack.
std::string Encode_Settings_File(const SettingsRecord& Rec, const SlotList& List);

}  // namespace slotpad
