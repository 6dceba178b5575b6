#pragma once
// FileStore over POSIX files, for the native tools, tests and benchmarks.

#include "slotpad/platform/FileStore.h"

namespace slotpad {

class PosixFileStore final : public FileStore {
public:
    ReadStatus ReadAll(const std::string& path, std::string& bytes) override;
    ReadFailure LastReadFailure() const override { return lastFailure_; }
    bool WriteAtomically(const std::string& path, std::string_view bytes) override;
    bool Copy(const std::string& from, const std::string& to) override;
    MoveStatus Move(const std::string& from, const std::string& to) override;
    bool Remove(const std::string& path) override;
    std::optional<int64_t> WriteTime(const std::string& path) override;
    void Pause(std::chrono::milliseconds time) override;

private:
    ReadStatus Fail(ReadFailure why) {
        lastFailure_ = why;
        return ReadStatus::Failed;
    }

    ReadFailure lastFailure_ = ReadFailure::None;
};

}  // namespace slotpad
