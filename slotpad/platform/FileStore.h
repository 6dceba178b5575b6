#pragma once
// Whole-file access for the settings file and its backups. Paths are UTF-8 on every
// platform; the Windows implementation converts them to UTF-16 so that folders with
// any characters work.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace slotpad {

enum class ReadStatus { Ok, Missing, Failed };

// Why a file that exists could not be read.
enum class ReadFailure { None, InUse, Folder, AccessDenied, Other };

enum class MoveStatus { Moved, Missing, Failed };

class FileStore {
public:
    virtual ~FileStore() = default;

    // Reads the whole file into `bytes`. Missing: no such file. Failed: it exists but
    // could not be opened or read (bytes then holds nothing useful).
    virtual ReadStatus ReadAll(const std::string& path, std::string& bytes) = 0;
    // Why the last ReadAll that gave Failed failed.
    virtual ReadFailure LastReadFailure() const = 0;

    // Writes `bytes` to a temporary file in the same folder, flushes it to disk and moves
    // it over `path`. On failure `path` is left as it was and false is returned.
    virtual bool WriteAtomically(const std::string& path, std::string_view bytes) = 0;

    // Copies `from` over `to` the way WriteAtomically writes: `to` is either as it was or
    // the whole copy. False on any failure.
    virtual bool Copy(const std::string& from, const std::string& to) = 0;

    // Renames `from` to `to`, replacing `to`. Missing: there is no `from`, nothing changed.
    virtual MoveStatus Move(const std::string& from, const std::string& to) = 0;

    // Deletes the file; true when it is gone, also when there was none.
    virtual bool Remove(const std::string& path) = 0;

    // When the file was last written, in units that only compare with each other;
    // nothing when it is missing or the system does not say.
    virtual std::optional<int64_t> WriteTime(const std::string& path) = 0;

    // Waits before a file that could not be read is tried again.
    virtual void Pause(std::chrono::milliseconds time) = 0;
};

}  // namespace slotpad
