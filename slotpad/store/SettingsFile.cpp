#include "slotpad/store/SettingsFile.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "slotpad/store/ListRepair.h"

namespace slotpad {

namespace {

int16_t Clamp_To_16_Bits(int Value) { return static_cast<int16_t>(std::clamp(Value, INT16_MIN, INT16_MAX)); }

void Stage_Settings(const Settings& S, const SlotList& List, SettingsRecord& Rec) {
    Rec.IgnoreCase = S.IgnoreCase;
    Rec.CurrentSlot = S.CurSlot;
    Rec.PlacementMode = S.AddMode;
    Rec.DeleteWarning = S.DelWarn;
    Rec.Head = List.HeadNode;
    Rec.Tail = List.TailNode;
    Rec.LastPosition = List.LastPos;
    Rec.FreeTop = List.FreeTop;
    Rec.TextFontName = S.TextFont.Name;
    Rec.TextFontSize = S.TextFont.Size;
    Rec.TextFontBold = S.TextFont.Bold;
    Rec.TextFontItalic = S.TextFont.Italic;
    Rec.TextFontUnderline = S.TextFont.Underline;
    Rec.PrintDescription = S.PrintDesc;
    Rec.DescFontName = S.DescFont.Name;
    Rec.DescFontSize = S.DescFont.Size;
    Rec.DescFontBold = S.DescFont.Bold;
    Rec.DescFontItalic = S.DescFont.Italic;
    Rec.DescFontUnderline = S.DescFont.Underline;
}

// The record as it stands before a file is read over it: the geometry the window has,
// the defaults of the settings, an empty list and nothing reserved.
SettingsRecord Default_Record(const TwipsRect& Geometry) {
    SettingsRecord Rec;
    Rec.WindowLeft = Clamp_To_16_Bits(Geometry.Left);
    Rec.WindowTop = Clamp_To_16_Bits(Geometry.Top);
    Rec.WindowWidth = Clamp_To_16_Bits(Geometry.Width);
    Rec.WindowHeight = Clamp_To_16_Bits(Geometry.Height);
    Stage_Settings(Settings{}, SlotList{}, Rec);
    return Rec;
}

void Copy_Record_To_Settings(const SettingsRecord& Rec, Settings& S) {
    S.CurSlot = Rec.CurrentSlot;
    S.DelWarn = Rec.DeleteWarning != 0 ? VB_TRUE : VB_FALSE;
    S.AddMode = Rec.PlacementMode;
    S.IgnoreCase = Rec.IgnoreCase;
    S.TextFont = {Rec.TextFontName, Rec.TextFontSize, Rec.TextFontBold, Rec.TextFontItalic, Rec.TextFontUnderline};
    S.PrintDesc = Rec.PrintDescription;
    S.DescFont = {Rec.DescFontName, Rec.DescFontSize, Rec.DescFontBold, Rec.DescFontItalic, Rec.DescFontUnderline};
}

}  // namespace

std::string Backup_Path(const std::string& Path, int Generation) {
    return Generation == 0 ? Path + ".bak" : Path + ".bak." + std::to_string(Generation);
}

ReadStatus SettingsStore::Read_Patiently(const std::string& Path, std::string& Bytes) {
    constexpr std::chrono::milliseconds Step{100};
    ReadStatus Status = Files.ReadAll(Path, Bytes);
    for (std::chrono::milliseconds Waited{0}; Status == ReadStatus::Failed && Waited < ReadPatience; Waited += Step) {
        Files.Pause(Step);
        Status = Files.ReadAll(Path, Bytes);
    }
    return Status;
}

void SettingsStore::Load_From(const std::string& Path, const TwipsRect& NoFileGeometry, SlotList& List,
                              Settings& S) {
    Report = LoadReport{};
    Report.Path = Path;
    Record = Default_Record(NoFileGeometry);
    FileMarker.clear();
    S = Settings{};
    // A fresh list, records included, so that nothing from before shows up in free nodes.
    List = SlotList{};

    std::string Bytes;
    const ReadStatus Status = Read_Patiently(Path, Bytes);
    if (Status == ReadStatus::Failed) {
        Report.Unreadable = Files.LastReadFailure();
        if (Report.Unreadable == ReadFailure::None) Report.Unreadable = ReadFailure::Other;
    }

    // A session saved beside the file while it could not be read, by this run's
    // predecessor: the newer of the two is the user's.
    std::string Aside;
    Report.AsideFound = Files.ReadAll(Aside_Path(Path), Aside) == ReadStatus::Ok;
    if (Report.AsideFound) {
        const auto AsideTime = Files.WriteTime(Aside_Path(Path)), FileTime = Files.WriteTime(Path);
        Report.AsideLoaded = Status != ReadStatus::Ok || (AsideTime && FileTime && *AsideTime > *FileTime);
    }
    if (Report.AsideLoaded) {
        Take_File(Aside, NoFileGeometry, List, S);
        // The older file is replaced at the next save: it joins the backups first.
        if (Status == ReadStatus::Ok) Report.BackupPending = true;
        return;
    }

    switch (Status) {
        case ReadStatus::Missing: Report.Kind = FileKind::Missing; return;
        case ReadStatus::Failed: Report.Kind = FileKind::Unreadable; return;
        case ReadStatus::Ok: break;
    }
    Take_File(Bytes, NoFileGeometry, List, S);
}

void SettingsStore::Take_File(const std::string& Bytes, const TwipsRect& NoFileGeometry, SlotList& List,
                              Settings& S) {
    const DecodedFile Decoded = Decode_Settings_File(Bytes, Record, List);
    FileMarker = Decoded.Marker;
    Report.Kind = Decoded.Kind;
    if (!Is_Version(Decoded.Kind)) {
        // Loads like a missing file; kept by the backup because it is not ours to destroy.
        Record = Default_Record(NoFileGeometry);
        List = SlotList{};
        Report.BackupPending = true;
        return;
    }

    if (Decoded.Truncated) Report.Repairs.emplace_back("truncated");
    if (std::string Fault = Find_List_Fault(List); !Fault.empty()) {
        const int Stored = std::clamp<int>(List.LastPos + 1, 0, MAX_NODES);
        const int Kept = Rebuild_List(List);
        Report.Repairs.push_back("list rebuilt (" + Fault + "): kept " + std::to_string(Kept) + " of " +
                                 std::to_string(Stored) + " slots");
    }

    // Older versions did not store a usable current slot: the top slot becomes current.
    if (Decoded.Kind != FileKind::V1_00_50) Record.CurrentSlot = List.HeadNode;
    if (Record.CurrentSlot != NIL_NODE && !Is_In_List(List, Record.CurrentSlot)) {
        Report.Repairs.push_back("CurSlot " + std::to_string(Record.CurrentSlot) + " is not in the list: none");
        Record.CurrentSlot = NIL_NODE;
    }
    Record.Head = List.HeadNode;
    Record.Tail = List.TailNode;
    Record.LastPosition = List.LastPos;
    Record.FreeTop = List.FreeTop;

    Copy_Record_To_Settings(Record, S);
    Report.BackupPending = !Report.Repairs.empty();
}

// Each backup moves one generation down and the oldest drops out: none is ever written
// over in place, so a second damaged start cannot destroy the first one's backup.
bool SettingsStore::Back_Up(const std::string& Path) {
    for (int Generation = BACKUP_GENERATIONS - 1; Generation >= 1; --Generation) {
        if (Files.Move(Backup_Path(Path, Generation - 1), Backup_Path(Path, Generation)) == MoveStatus::Failed)
            return false;
    }
    return Files.Copy(Path, Backup_Path(Path, 0));
}

bool SettingsStore::Save_To(const std::string& Path, const SlotList& List, const Settings& S) {
    FileMarker = MARKER_1_00_50;
    Stage_Settings(S, List, Record);
    const std::string Bytes = Encode_Settings_File(Record, List);

    const bool SameFile = Path == Report.Path;
    // A file that could not be read could not be backed up either: it stays as it is,
    // and the next start that can read it compares it with this session.
    if (SameFile && Report.Unreadable != ReadFailure::None) {
        if (Files.WriteAtomically(Aside_Path(Path), Bytes)) return true;
        SaveFailure = "the file cannot be read, and the session could not be written beside it as " +
                      Aside_Path(Path);
        return false;
    }
    if (SameFile && Report.BackupPending && !Back_Up(Path)) {
        // A file that has gone since the load needs no backup; any other failure stops
        // the save, so that the file is never replaced without its copy.
        std::string Probe;
        if (Files.ReadAll(Path, Probe) != ReadStatus::Missing) {
            SaveFailure = "its backup " + Backup_Path(Path, 0) + " could not be made first";
            return false;
        }
    }
    if (!Files.WriteAtomically(Path, Bytes)) {
        SaveFailure = "the file could not be written (the disk may be full, or the file or its folder read-only)";
        return false;
    }
    if (SameFile) {
        // The backup holds the file as the load found it; later saves must not replace it.
        Report.BackupPending = false;
        // The session beside the file is in the file now, or older than what is.
        if (Report.AsideFound && Files.Remove(Aside_Path(Path))) Report.AsideFound = false;
    }
    return true;
}

std::string SettingsFile::Settings_Path(const std::string& Folder, const std::string& Title) {
    std::string Path = Folder;
    if (Path.empty() || (Path.back() != '\\' && Path.back() != '/')) Path += '\\';
    return Path + Title + ".ini";
}

WindowPlacement SettingsFile::Load_Settings(const SettingsWindow& Frm, SlotList& List, Settings& S) {
    SettingsPath = Settings_Path(App.Folder(), App.Title());
    WindowPlacement Placement;
    Placement.Frame = {Scr.WidthTwips() / 2 - Frm.Width() / 2, Scr.HeightTwips() / 2 - Frm.Height() / 2, Frm.Width(),
                       Frm.Height()};

    Load_From(SettingsPath, Placement.Frame, List, S);
    if (!Is_Version(Report.Kind)) return Placement;
    Placement.Frame = {Record.WindowLeft, Record.WindowTop, Record.WindowWidth, Record.WindowHeight};
    Placement.OnTop = Record.OnTop != 0;
    return Placement;
}

bool SettingsFile::Save_Settings(const SettingsWindow& Frm, const SlotList& List, const Settings& S) {
    if (Frm.State() == WindowState::Normal) {
        Record.WindowLeft = Clamp_To_16_Bits(Frm.Left());
        Record.WindowTop = Clamp_To_16_Bits(Frm.Top());
        Record.WindowWidth = Clamp_To_16_Bits(Frm.Width());
        Record.WindowHeight = Clamp_To_16_Bits(Frm.Height());
    }
    Record.OnTop = Frm.TopChecked() ? VB_TRUE : VB_FALSE;
    return Save_To(SettingsPath, List, S);
}

}  // namespace slotpad
