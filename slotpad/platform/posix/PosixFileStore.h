#pragma once
// FileStore over POSIX files, for the native tools, tests and benchmarks.

#include "slotpad/platform/FileStore.h"

namespace slotpad {

class PosixFileStore final : public FileStore {
public:
    ReadStatus ReadAll(const std::string& path, std::string& bytes) override;
    bool WriteAtomically(const std::string& path, std::string_view bytes) override;
    bool Copy(const std::string& from, const std::string& to) override;
};

}  // namespace slotpad
