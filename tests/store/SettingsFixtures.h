#pragma once
// Settings files written byte by byte from the layout of each version, independently of
// the program's encoder, for the tests and the fuzzer's seeds.

#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "slotpad/store/LinkList.h"

namespace slotpad::fixture {

class Bytes {
public:
    Bytes& Raw(std::string_view Text) {
        Data.append(Text);
        return *this;
    }
    Bytes& I16(int Value) {
        const auto V = static_cast<uint16_t>(Value);
        Data += static_cast<char>(V & 0xFF);
        Data += static_cast<char>(V >> 8);
        return *this;
    }
    Bytes& F32(float Value) {
        const auto V = std::bit_cast<uint32_t>(Value);
        for (int Shift = 0; Shift < 32; Shift += 8) Data += static_cast<char>(V >> Shift & 0xFF);
        return *this;
    }
    Bytes& Str(std::string_view Text) {
        I16(static_cast<int>(Text.size()));
        return Raw(Text);
    }
    std::string Data;
};

// Fields 1 to 10; 11 to 14 come from the list. Values differ from every default.
struct Header {
    int16_t Left = 1200, Top = 900, Width = 4800, Height = 3300;
    int16_t IgnoreCase = 0, CurSlot = 2, Reserved = 77, AddMode = POS_BOTTOM, DelWarn = 0, OnTop = VB_TRUE;
};

// Fields 15 to 25, again all different from the defaults.
struct Fonts {
    std::string TextName = "Arial";
    float TextSize = 9.5f;
    int16_t TextBold = VB_TRUE, TextItalic = VB_TRUE, TextUnderline = VB_FALSE;
    int16_t PrintDesc = VB_FALSE;
    std::string DescName = "Verdana";
    float DescSize = 12.0f;
    int16_t DescBold = VB_FALSE, DescItalic = VB_FALSE, DescUnderline = VB_TRUE;
};

inline void Write_List_Header(Bytes& B, const SlotList& L) {
    B.I16(L.HeadNode).I16(L.TailNode).I16(L.LastPos).I16(L.FreeTop);
}

inline void Write_Nodes_And_Free_Stack(Bytes& B, const SlotList& L) {
    for (const ListNode& N : L.Nodes)
        B.I16(N.PrevNode).I16(N.NextNode).I16(N.Slot.Locked).Str(N.Slot.Text).Str(N.Slot.Description);
    for (int16_t Entry : L.FreeStack) B.I16(Entry);
}

inline std::string File_1_00_50(const Header& H, const Fonts& F, const SlotList& L) {
    Bytes B;
    B.Raw("1.00.50").I16(H.Left).I16(H.Top).I16(H.Width).I16(H.Height).I16(H.IgnoreCase).I16(H.CurSlot);
    B.I16(H.Reserved).I16(H.AddMode).I16(H.DelWarn).I16(H.OnTop);
    Write_List_Header(B, L);
    B.Str(F.TextName).F32(F.TextSize).I16(F.TextBold).I16(F.TextItalic).I16(F.TextUnderline).I16(F.PrintDesc);
    B.Str(F.DescName).F32(F.DescSize).I16(F.DescBold).I16(F.DescItalic).I16(F.DescUnderline);
    Write_Nodes_And_Free_Stack(B, L);
    return B.Data;
}

// "1.00.40" and "1.00.10" share this layout.
inline std::string File_1_00_40(std::string_view Marker, const Header& H, const SlotList& L) {
    Bytes B;
    B.Raw(Marker).I16(H.Left).I16(H.Top).I16(H.Width).I16(H.Height).I16(H.IgnoreCase).I16(H.CurSlot);
    B.I16(H.Reserved).I16(H.AddMode).I16(H.DelWarn).I16(H.OnTop);
    Write_List_Header(B, L);
    Write_Nodes_And_Free_Stack(B, L);
    return B.Data;
}

struct OldSlot {
    std::string Text;
    int16_t Lock = 0;
    std::string Description;
};

// "1.00.00": slots beyond Slots.size() are empty.
inline std::string File_1_00_00(const Header& H, const std::vector<OldSlot>& Slots) {
    std::array<OldSlot, 41> All{};
    for (size_t I = 0; I < Slots.size() && I < All.size(); ++I) All[I] = Slots[I];
    Bytes B;
    B.Raw("1.00.00").I16(H.Left).I16(H.Top).I16(H.Width).I16(H.Height).I16(111).I16(222).I16(H.Reserved);
    for (const OldSlot& S : All) B.Str(S.Text);
    for (const OldSlot& S : All) B.I16(S.Lock);
    B.I16(333).I16(444);
    for (const OldSlot& S : All) B.Str(S.Description);
    B.I16(H.OnTop);
    return B.Data;
}

inline SlotRecord Slot(std::string Text, std::string Description = {}, int16_t Locked = VB_FALSE) {
    return {Locked, std::move(Text), std::move(Description)};
}

// A list as a session leaves it: not in index order, with a deleted slot whose text
// stays in its free node, and Windows-1252 text.
inline SlotList Sample_List() {
    SlotList L;
    int16_t N = 0;
    L.Insert_Node(Slot("alpha", "first"), POS_BOTTOM, N);                      // 0
    L.Insert_Node(Slot("caf\xE9 \x80 5", "price", VB_TRUE), POS_BOTTOM, N);     // 1
    L.Insert_Node(Slot("gamma\r\nsecond line", "gamma"), POS_BOTTOM, N);       // 2
    L.Insert_Node(Slot("deleted text", "gone"), POS_BOTTOM, N);                // 3
    L.Insert_Node(Slot("", ""), POS_TOP, N);                                   // 4, blank
    L.Remove_Node(3);
    L.Move_Node(0, 2);  // order 4, 1, 2, 0
    return L;
}

// Every node in use; node I holds Text_Of(I) of Length bytes.
inline SlotList Full_List(size_t Length) {
    SlotList L;
    for (int I = 0; I < MAX_NODES; ++I) {
        std::string Text(Length, static_cast<char>('A' + I % 26));
        if (!Text.empty()) Text[0] = static_cast<char>(0x80 + I);
        int16_t N = 0;
        L.Insert_Node(Slot(std::move(Text), "slot " + std::to_string(I), I % 3 == 0 ? VB_TRUE : VB_FALSE),
                      I % 2 ? POS_TOP : POS_BOTTOM, N);
    }
    return L;
}

}  // namespace slotpad::fixture
