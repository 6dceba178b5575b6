#include "slotpad/store/SettingsFormat.h"

#include <array>
#include <utility>

#include "slotpad/store/ByteReader.h"
#include "slotpad/store/ByteWriter.h"

namespace slotpad {

std::string_view File_Kind_Name(FileKind Kind) {
    switch (Kind) {
        case FileKind::Missing: return "missing";
        case FileKind::Unreadable: return "unreadable";
        case FileKind::Positions: return MARKER_POSITIONS;
        case FileKind::Unknown: return "unknown";
        case FileKind::V1_00_50: return MARKER_1_00_50;
        case FileKind::V1_00_40: return MARKER_1_00_40;
        case FileKind::V1_00_10: return MARKER_1_00_10;
        case FileKind::V1_00_00: return MARKER_1_00_00;
    }
    return "unknown";
}

namespace {

FileKind Kind_Of_Marker(std::string_view Marker) {
    if (Marker == MARKER_1_00_50) return FileKind::V1_00_50;
    if (Marker == MARKER_1_00_40) return FileKind::V1_00_40;
    if (Marker == MARKER_1_00_10) return FileKind::V1_00_10;
    if (Marker == MARKER_1_00_00) return FileKind::V1_00_00;
    if (Marker == MARKER_POSITIONS) return FileKind::Positions;
    return FileKind::Unknown;
}

// Fields 11 to 14 go both into the record and into the list header.
void Read_List_Header(ByteReader& R, SettingsRecord& Rec, SlotList& List) {
    if (R.I16(Rec.Head)) List.HeadNode = Rec.Head;
    if (R.I16(Rec.Tail)) List.TailNode = Rec.Tail;
    if (R.I16(Rec.LastPosition)) List.LastPos = Rec.LastPosition;
    if (R.I16(Rec.FreeTop)) List.FreeTop = Rec.FreeTop;
}

void Read_Font(ByteReader& R, std::string& Name, float& Size, int16_t& Bold, int16_t& Italic, int16_t& Underline) {
    std::string Read;
    if (R.Str(Read)) Name = std::move(Read);
    R.F32(Size);
    R.I16(Bold);
    R.I16(Italic);
    R.I16(Underline);
}

// A node is taken only when all of it was read.
void Read_Nodes_And_Free_Stack(ByteReader& R, SlotList& List) {
    for (ListNode& Node : List.Nodes) {
        ListNode Read;
        if (!(R.I16(Read.PrevNode) && R.I16(Read.NextNode) && R.I16(Read.Slot.Locked) && R.Str(Read.Slot.Text) &&
              R.Str(Read.Slot.Description)))
            return;
        Node = std::move(Read);
    }
    for (int16_t& Entry : List.FreeStack) R.I16(Entry);
}

void Read_1_00_50(ByteReader& R, SettingsRecord& Rec, SlotList& List) {
    R.I16(Rec.WindowLeft);
    R.I16(Rec.WindowTop);
    R.I16(Rec.WindowWidth);
    R.I16(Rec.WindowHeight);
    R.I16(Rec.IgnoreCase);
    R.I16(Rec.CurrentSlot);
    R.I16(Rec.Reserved);
    R.I16(Rec.PlacementMode);
    R.I16(Rec.DeleteWarning);
    R.I16(Rec.OnTop);
    Read_List_Header(R, Rec, List);
    Read_Font(R, Rec.TextFontName, Rec.TextFontSize, Rec.TextFontBold, Rec.TextFontItalic, Rec.TextFontUnderline);
    R.I16(Rec.PrintDescription);
    Read_Font(R, Rec.DescFontName, Rec.DescFontSize, Rec.DescFontBold, Rec.DescFontItalic, Rec.DescFontUnderline);
    Read_Nodes_And_Free_Stack(R, List);
}

// "1.00.40" and "1.00.10": the first 14 fields only. The current slot (field 6) is not
// taken over, and "1.00.10" did not store the case rule (field 5) yet.
void Read_1_00_40(ByteReader& R, SettingsRecord& Rec, SlotList& List, bool HasIgnoreCase) {
    int16_t Unused = 0;
    R.I16(Rec.WindowLeft);
    R.I16(Rec.WindowTop);
    R.I16(Rec.WindowWidth);
    R.I16(Rec.WindowHeight);
    R.I16(HasIgnoreCase ? Rec.IgnoreCase : Unused);
    R.I16(Unused);
    R.I16(Rec.Reserved);
    R.I16(Rec.PlacementMode);
    R.I16(Rec.DeleteWarning);
    R.I16(Rec.OnTop);
    Read_List_Header(R, Rec, List);
    Read_Nodes_And_Free_Stack(R, List);
}

// "1.00.00": 41 slots in a plain array, imported in their order; slots with neither
// text nor description are dropped, locked or not.
void Read_1_00_00(ByteReader& R, SettingsRecord& Rec, SlotList& List) {
    std::array<std::string, OLD_SLOT_COUNT> Texts, Descriptions;
    std::array<int16_t, OLD_SLOT_COUNT> Locks{};
    int16_t Unused = 0;
    R.I16(Rec.WindowLeft);
    R.I16(Rec.WindowTop);
    R.I16(Rec.WindowWidth);
    R.I16(Rec.WindowHeight);
    R.I16(Unused);
    R.I16(Unused);
    R.I16(Rec.Reserved);
    for (std::string& Text : Texts) R.Str(Text);
    for (int16_t& Lock : Locks) R.I16(Lock);
    R.I16(Unused);
    R.I16(Unused);
    for (std::string& Description : Descriptions) R.Str(Description);
    R.I16(Rec.OnTop);

    List.Init_List();
    for (int I = 0; I < OLD_SLOT_COUNT; ++I) {
        if (Texts[I].empty() && Descriptions[I].empty()) continue;
        SlotRecord Slot{Locks[I] != 0 ? VB_TRUE : VB_FALSE, std::move(Texts[I]), std::move(Descriptions[I])};
        int16_t Ignored = NIL_NODE;
        List.Insert_Node(Slot, List.TailNode, Ignored);
    }
    Rec.Head = List.HeadNode;
    Rec.Tail = List.TailNode;
    Rec.LastPosition = List.LastPos;
    Rec.FreeTop = List.FreeTop;
}

}  // namespace

DecodedFile Decode_Settings_File(std::string_view Bytes, SettingsRecord& Rec, SlotList& List) {
    ByteReader R(Bytes);
    DecodedFile Result;
    if (!R.Fixed(MARKER_LENGTH, Result.Marker)) return Result;  // too short for any marker
    Result.Kind = Kind_Of_Marker(Result.Marker);
    switch (Result.Kind) {
        case FileKind::V1_00_50: Read_1_00_50(R, Rec, List); break;
        case FileKind::V1_00_40: Read_1_00_40(R, Rec, List, true); break;
        case FileKind::V1_00_10: Read_1_00_40(R, Rec, List, false); break;
        case FileKind::V1_00_00: Read_1_00_00(R, Rec, List); break;
        default: return Result;
    }
    Result.Truncated = !R.Ok();
    return Result;
}

std::string Encode_Settings_File(const SettingsRecord& Rec, const SlotList& List) {
    size_t Size = MARKER_LENGTH + 14 * 2 + ByteWriter::Str_Size(Rec.TextFontName) + 4 + 3 * 2 + 2 +
                  ByteWriter::Str_Size(Rec.DescFontName) + 4 + 3 * 2 + MAX_NODES * 2;
    for (const ListNode& Node : List.Nodes)
        Size += 3 * 2 + ByteWriter::Str_Size(Node.Slot.Text) + ByteWriter::Str_Size(Node.Slot.Description);

    std::string Bytes;
    Bytes.reserve(Size);
    ByteWriter W(Bytes);
    W.Fixed(MARKER_1_00_50);
    for (int16_t Field : {Rec.WindowLeft, Rec.WindowTop, Rec.WindowWidth, Rec.WindowHeight, Rec.IgnoreCase,
                          Rec.CurrentSlot, Rec.Reserved, Rec.PlacementMode, Rec.DeleteWarning, Rec.OnTop, Rec.Head,
                          Rec.Tail, Rec.LastPosition, Rec.FreeTop})
        W.I16(Field);
    W.Str(Rec.TextFontName);
    W.F32(Rec.TextFontSize);
    W.I16(Rec.TextFontBold);
    W.I16(Rec.TextFontItalic);
    W.I16(Rec.TextFontUnderline);
    W.I16(Rec.PrintDescription);
    W.Str(Rec.DescFontName);
    W.F32(Rec.DescFontSize);
    W.I16(Rec.DescFontBold);
    W.I16(Rec.DescFontItalic);
    W.I16(Rec.DescFontUnderline);
    for (const ListNode& Node : List.Nodes) {
        W.I16(Node.PrevNode);
        W.I16(Node.NextNode);
        W.I16(Node.Slot.Locked);
        W.Str(Node.Slot.Text);
        W.Str(Node.Slot.Description);
    }
    for (int16_t Entry : List.FreeStack) W.I16(Entry);
    return Bytes;
}

}  // namespace slotpad
