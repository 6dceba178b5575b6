#pragma once
// FileStore over Win32 files. Paths arrive as UTF-8 and are opened through the wide API,
// so the settings file works in a folder with any characters in its name.

#include "slotpad/platform/FileStore.h"

namespace slotpad {

class Win32FileStore final : public FileStore {
public:
    ReadStatus ReadAll(const std::string& path, std::string& bytes) override;
    bool WriteAtomically(const std::string& path, std::string_view bytes) override;
    bool Copy(const std::string& from, const std::string& to) override;
};

}  // namespace slotpad
