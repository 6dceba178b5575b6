#pragma once
// Whole-file access for the settings file and its backup. Paths are UTF-8 on every
// platform; the Windows implementation converts them to UTF-16 so that folders with
// any characters work.

#include <string>
#include <string_view>

namespace slotpad {

enum class ReadStatus { Ok, Missing, Failed };

class FileStore {
public:
    virtual ~FileStore() = default;

    // Reads the whole file into `bytes`. Missing: no such file. Failed: it exists but
    // could not be opened or read (bytes then holds nothing useful).
    virtual ReadStatus ReadAll(const std::string& path, std::string& bytes) = 0;

    // Writes `bytes` to a temporary file in the same folder, flushes it to disk and moves
    // it over `path`. On failure `path` is left as it was and false is returned.
    virtual bool WriteAtomically(const std::string& path, std::string_view bytes) = 0;

    // Copies `from` over `to` (replacing it). False on any failure.
    virtual bool Copy(const std::string& from, const std::string& to) = 0;
};

}  // namespace slotpad
