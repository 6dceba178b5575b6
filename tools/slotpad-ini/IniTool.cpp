#include "tools/slotpad-ini/IniTool.h"

#include <ostream>

#include "tools/slotpad-ini/Cp1252.h"

namespace slotpad {

namespace {

constexpr const char* HELP = R"(Usage: slotpad-ini dump FILE
       slotpad-ini upgrade IN OUT
       slotpad-ini --help

Reads and writes SlotPad's settings and slot file (SlotPad.ini) with SlotPad's own code.

  dump FILE        Print as JSON what SlotPad gets from loading FILE: the version
                   marker, the 25 fields of the settings record, the settings (fonts
                   included), the current slot, the slots from the top, the free stack,
                   every node's links and record, and the repairs the loader made to
                   a damaged file. Text is converted from Windows-1252 to UTF-8.
  upgrade IN OUT   Load IN as SlotPad does and write OUT as SlotPad saves it
                   (version "1.00.50"), with the window geometry taken from IN,
                   or 0 where IN holds none.

Exit status: 0 done; 1 a file is missing or unreadable, is an old "[Positi" text
file or has an unknown version marker, or OUT could not be written; 2 bad usage.
)";

constexpr const char* USAGE = "usage: slotpad-ini dump FILE | slotpad-ini upgrade IN OUT (see --help)";

std::string Text(std::string_view Ansi) { return Cp1252_To_Utf8(Ansi); }

nlohmann::ordered_json Font_Json(const FontSpec& Font) {
    return {{"Name", Text(Font.Name)},
            {"Size", Font.Size},
            {"Bold", Font.Bold},
            {"Italic", Font.Italic},
            {"Underline", Font.Underline}};
}

nlohmann::ordered_json Slot_Json(const SlotRecord& Slot) {
    return {{"Locked", Slot.Locked}, {"Text", Text(Slot.Text)}, {"Description", Text(Slot.Description)}};
}

nlohmann::ordered_json Record_Json(const SettingsRecord& R) {
    return {{"WindowLeft", R.WindowLeft},
            {"WindowTop", R.WindowTop},
            {"WindowWidth", R.WindowWidth},
            {"WindowHeight", R.WindowHeight},
            {"IgnoreCase", R.IgnoreCase},
            {"CurrentSlot", R.CurrentSlot},
            {"Reserved", R.Reserved},
            {"PlacementMode", R.PlacementMode},
            {"DeleteWarning", R.DeleteWarning},
            {"OnTop", R.OnTop},
            {"Head", R.Head},
            {"Tail", R.Tail},
            {"LastPosition", R.LastPosition},
            {"FreeTop", R.FreeTop},
            {"TextFontName", Text(R.TextFontName)},
            {"TextFontSize", R.TextFontSize},
            {"TextFontBold", R.TextFontBold},
            {"TextFontItalic", R.TextFontItalic},
            {"TextFontUnderline", R.TextFontUnderline},
            {"PrintDescription", R.PrintDescription},
            {"DescFontName", Text(R.DescFontName)},
            {"DescFontSize", R.DescFontSize},
            {"DescFontBold", R.DescFontBold},
            {"DescFontItalic", R.DescFontItalic},
            {"DescFontUnderline", R.DescFontUnderline}};
}

// One line on stderr for a file that gives SlotPad nothing; empty when it loaded.
std::string Load_Error(const LoadReport& Report, const std::string& Marker) {
    switch (Report.Kind) {
        case FileKind::Missing: return "no such file";
        case FileKind::Unreadable: return "cannot be read";
        case FileKind::Positions: return "an old \"[Positi\" text file, not a SlotPad settings file";
        case FileKind::Unknown: return "unknown version marker " + nlohmann::json(Text(Marker)).dump();
        default: return {};
    }
}

struct Loaded {
    SettingsStore Store;
    SlotList List;
    Settings S;
    explicit Loaded(FileStore& Files) : Store(Files) {}
};

bool Load(const std::string& Path, Loaded& L, std::ostream& Err) {
    L.Store.Load_From(Path, TwipsRect{}, L.List, L.S);
    const std::string Error = Load_Error(L.Store.Report, L.Store.FileMarker);
    if (Error.empty()) return true;
    Err << "slotpad-ini: " << Path << ": " << Error << '\n';
    return false;
}

}  // namespace

nlohmann::ordered_json Dump_Load(const SettingsStore& Store, const SlotList& List, const Settings& S) {
    nlohmann::ordered_json J;
    J["file"] = Store.Report.Path;
    J["marker"] = Text(Store.FileMarker);
    J["record"] = Record_Json(Store.Record);
    J["settings"] = {{"AddMode", S.AddMode},
                     {"IgnoreCase", S.IgnoreCase},
                     {"DelWarn", S.DelWarn},
                     {"PrintDesc", S.PrintDesc},
                     {"TextFont", Font_Json(S.TextFont)},
                     {"DescFont", Font_Json(S.DescFont)}};
    J["CurSlot"] = S.CurSlot;
    J["HeadNode"] = List.HeadNode;
    J["TailNode"] = List.TailNode;
    J["LastPos"] = List.LastPos;
    J["FreeTop"] = List.FreeTop;

    auto Slots = nlohmann::ordered_json::array();
    int16_t Node = List.HeadNode;
    for (int I = 0; I <= List.LastPos && SlotList::Is_Node(Node); ++I) {
        nlohmann::ordered_json Slot = {{"node", Node}};
        Slot.update(Slot_Json(List.Nodes[Node].Slot));
        Slots.push_back(std::move(Slot));
        Node = List.Nodes[Node].NextNode;
    }
    J["slots"] = std::move(Slots);
    J["FreeStack"] = List.FreeStack;

    auto Nodes = nlohmann::ordered_json::array();
    for (int I = 0; I < MAX_NODES; ++I) {
        const ListNode& N = List.Nodes[I];
        nlohmann::ordered_json Entry = {{"node", I}, {"PrevNode", N.PrevNode}, {"NextNode", N.NextNode}};
        Entry.update(Slot_Json(N.Slot));
        Nodes.push_back(std::move(Entry));
    }
    J["Nodes"] = std::move(Nodes);
    J["repairs"] = Store.Report.Repairs;
    return J;
}

int Run_Slotpad_Ini(const std::vector<std::string>& Args, FileStore& Files, std::ostream& Out, std::ostream& Err) {
    if (Args.size() == 1 && (Args[0] == "--help" || Args[0] == "-h")) {
        Out << HELP;
        return 0;
    }
    if (Args.size() == 2 && Args[0] == "dump") {
        Loaded L(Files);
        if (!Load(Args[1], L, Err)) return EXIT_FILE_ERROR;
        // A path that is not UTF-8 must not stop the dump.
        Out << Dump_Load(L.Store, L.List, L.S).dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
        return 0;
    }
    if (Args.size() == 3 && Args[0] == "upgrade") {
        Loaded L(Files);
        if (!Load(Args[1], L, Err)) return EXIT_FILE_ERROR;
        // SlotPad keeps the flag as a check mark and writes the mark back as true or false.
        L.Store.Record.OnTop = L.Store.Record.OnTop != 0 ? VB_TRUE : VB_FALSE;
        if (!L.Store.Save_To(Args[2], L.List, L.S)) {
            Err << "slotpad-ini: " << Args[2] << ": cannot be written\n";
            return EXIT_FILE_ERROR;
        }
        return 0;
    }
    Err << "slotpad-ini: " << USAGE << '\n';
    return EXIT_USAGE;
}

}  // namespace slotpad
