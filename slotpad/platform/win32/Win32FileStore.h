#pragma once
// FileStore over Win32 files. Paths arrive as UTF-8 and are opened through the wide API,
// so the settings file works in a folder with any characters in its name.

#include "slotpad/platform/FileStore.h"

namespace slotpad {

class Win32FileStore final : public FileStore {
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
