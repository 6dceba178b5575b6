#pragma once
// An in-memory FileStore for tests, with failures that can be switched on per path.

#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "slotpad/platform/FileStore.h"

namespace slotpad {

class MemoryFileStore final : public FileStore {
public:
    std::map<std::string, std::string> Files;
    std::set<std::string> Unreadable;   // ReadAll gives Failed, Copy from it fails
    std::set<std::string> Unwritable;   // WriteAtomically and Copy to it fail, the file stays
    std::map<std::string, int> FailingReads;  // so many reads fail before the file reads
    ReadFailure Why = ReadFailure::InUse;     // what an unreadable file reports
    std::map<std::string, int64_t> Times;     // write times; each write takes the next
    int64_t Clock = 0;
    bool FailCopies = false;
    bool FailMoves = false;
    int Reads = 0, Writes = 0, Copies = 0;
    std::function<void(const std::string&)> whileWriting;  // runs before each write lands
    std::chrono::milliseconds Paused{0};

    ReadStatus ReadAll(const std::string& path, std::string& bytes) override {
        ++Reads;
        bytes.clear();
        if (Unreadable.count(path)) return ReadStatus::Failed;
        if (auto failing = FailingReads.find(path); failing != FailingReads.end() && failing->second > 0) {
            --failing->second;
            return ReadStatus::Failed;
        }
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
        Times[path] = ++Clock;
        return true;
    }

    ReadFailure LastReadFailure() const override { return Why; }

    bool Copy(const std::string& from, const std::string& to) override {
        ++Copies;
        const auto it = Files.find(from);
        if (FailCopies || Unreadable.count(from) || Unwritable.count(to) || it == Files.end()) return false;
        Files[to] = it->second;
        Times[to] = ++Clock;
        return true;
    }

    MoveStatus Move(const std::string& from, const std::string& to) override {
        const auto it = Files.find(from);
        if (it == Files.end()) return MoveStatus::Missing;
        if (FailMoves || Unwritable.count(to)) return MoveStatus::Failed;
        Files[to] = std::move(it->second);
        Times[to] = Times[from];
        Files.erase(from);
        Times.erase(from);
        return MoveStatus::Moved;
    }

    bool Remove(const std::string& path) override {
        if (Unwritable.count(path)) return false;
        Files.erase(path);
        Times.erase(path);
        return true;
    }

    std::optional<int64_t> WriteTime(const std::string& path) override {
        const auto it = Times.find(path);
        if (!Has(path) || it == Times.end()) return std::nullopt;
        return it->second;
    }

    void Pause(std::chrono::milliseconds time) override { Paused += time; }

    bool Has(const std::string& path) const { return Files.count(path) != 0; }
};

}  // namespace slotpad
