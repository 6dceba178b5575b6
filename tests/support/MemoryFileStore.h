#pragma once
// An in-memory FileStore for tests, with failures that can be switched on per path.

#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "slotpad/platform/FileStore.h"

namespace slotpad {

class MemoryFileStore final : public FileStore {
public:
    std::map<std::string, std::string> Files;
    std::set<std::string> Unreadable;   // ReadAll gives Failed, Copy from it fails
    std::set<std::string> Unwritable;   // WriteAtomically and Copy to it fail, the file stays
    bool FailCopies = false;
    int Reads = 0, Writes = 0, Copies = 0;
    std::function<void(const std::string&)> whileWriting;  // runs before each write lands

    ReadStatus ReadAll(const std::string& path, std::string& bytes) override {
        ++Reads;
        bytes.clear();
        if (Unreadable.count(path)) return ReadStatus::Failed;
        const auto it = Files.find(path);
        if (it == Files.end()) return ReadStatus::Missing;
        bytes = it->second;
        return ReadStatus::Ok;
    }

    bool WriteAtomically(const std::string& path, std::string_view bytes) override {
        ++Writes;
        if (whileWriting) whileWriting(path);
        if (Unwritable.count(path)) return false;
        Files[path] = std::string(bytes);
        return true;
    }

    bool Copy(const std::string& from, const std::string& to) override {
        ++Copies;
        const auto it = Files.find(from);
        if (FailCopies || Unreadable.count(from) || Unwritable.count(to) || it == Files.end()) return false;
        Files[to] = it->second;
        return true;
    }

    bool Has(const std::string& path) const { return Files.count(path) != 0; }
};

}  // namespace slotpad
