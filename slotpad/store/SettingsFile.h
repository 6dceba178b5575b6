#pragma once
// Loading and saving the settings and slot file.
//
// SettingsStore is the one reader and the one writer, addressed by path; SettingsFile
// adds what the program does around them: the file's place beside the program, the
// centred window and the main window's geometry and "Always on Top" check mark.

#include <chrono>
#include <string>
#include <vector>

#include "slotpad/platform/Application.h"
#include "slotpad/platform/FileStore.h"
#include "slotpad/platform/SettingsWindow.h"
#include "slotpad/platform/TwipsRect.h"
#include "slotpad/store/LinkList.h"
#include "slotpad/store/Settings.h"
#include "slotpad/store/SettingsFormat.h"

namespace slotpad {

// Where the main window goes at start: its outer rectangle in twips as the file keeps it
// (centred on the screen when the file gives none) and the check mark of "Always on Top".
struct WindowPlacement {
    TwipsRect Frame;
    bool OnTop = false;

    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// What the last load found, for the dump tool and for the next save.
struct LoadReport {
    std::string Path;
    FileKind Kind = FileKind::Missing;
    std::vector<std::string> Repairs;  // "truncated", then list and current-slot repairs
    // The file on disk holds something the next save would destroy (it was not a
    // version, needed repair, or lost to a newer session saved beside it): the save first
    // makes it the newest of the backups.
    bool BackupPending = false;
    // Why the file could not be read, even after waiting for it; ReadFailure::None when it
    // could. Such a file is never replaced: the session is saved beside it (AsidePath).
    ReadFailure Unreadable = ReadFailure::None;
    // A session saved beside the file was found, and whether it was the one loaded.
    bool AsideFound = false;
    bool AsideLoaded = false;
};

// Path + ".bak" is the newest backup, then Path + ".bak.1" to ".bak.4".
constexpr int BACKUP_GENERATIONS = 5;
std::string Backup_Path(const std::string& Path, int Generation);
// Where a session goes while the file cannot be read.
inline std::string Aside_Path(const std::string& Path) { return Path + ".new"; }

class SettingsStore {
public:
    explicit SettingsStore(FileStore& Files) : Files(Files) {}

    std::string FileMarker;  // as read, "1.00.50" from the first save on
    SettingsRecord Record;   // the staging record; lives for the whole run
    LoadReport Report;
    // Why the last save that failed failed, in words for the user (lower case, no full
    // stop).
    std::string SaveFailure;

    // How long a file that exists but cannot be read is tried again (at logon another
    // program may hold it for a moment). The program waits; the tools do not.
    std::chrono::milliseconds ReadPatience{0};

    // Fills List, S and Record from the file at Path, or from the session saved beside it
    // when that is newer or the file cannot be read. NoFileGeometry stands in for fields
    // 1 to 4 when the file gives none. A file that gives no settings leaves the defaults
    // and an empty list. The list is always consistent afterwards, and CurSlot is a slot
    // in it or NIL_NODE.
    void Load_From(const std::string& Path, const TwipsRect& NoFileGeometry, SlotList& List, Settings& S);

    // Stages S and List into Record (its geometry, reserved field and on-top flag as they
    // are) and writes Path atomically, first backing up a file the load could not take as
    // it was. While the file cannot be read the session goes beside it instead. False when
    // anything failed; the file on disk is then unchanged.
    bool Save_To(const std::string& Path, const SlotList& List, const Settings& S);

private:
    ReadStatus Read_Patiently(const std::string& Path, std::string& Bytes);
    void Take_File(const std::string& Bytes, const TwipsRect& NoFileGeometry, SlotList& List, Settings& S);
    bool Back_Up(const std::string& Path);

    FileStore& Files;
};

class SettingsFile : public SettingsStore {
public:
    SettingsFile(FileStore& Files, const Application& App, const Screen& Scr)
        : SettingsStore(Files), App(App), Scr(Scr) {
        ReadPatience = std::chrono::seconds(2);
    }

    std::string SettingsPath;

    // Frm is the main window as it stands before the load: the placement returned is Frm
    // centred, or where the file puts it and with mnuTop checked as the file says.
    WindowPlacement Load_Settings(const SettingsWindow& Frm, SlotList& List, Settings& S);
    // Takes Frm's geometry only while it is in its normal state, so the file keeps the
    // last normal position. Never shows a message; false when the save failed.
    bool Save_Settings(const SettingsWindow& Frm, const SlotList& List, const Settings& S);

    static std::string Settings_Path(const std::string& Folder, const std::string& Title);

private:
    const Application& App;
    const Screen& Scr;
};

}  // namespace slotpad
