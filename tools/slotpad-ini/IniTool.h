#pragma once
// The slotpad-ini command line, apart from the process around it, so that tests run it
// in-process against any FileStore.

#include <iosfwd>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "slotpad/platform/FileStore.h"
#include "slotpad/store/SettingsFile.h"

namespace slotpad {

inline constexpr int EXIT_FILE_ERROR = 1;
inline constexpr int EXIT_USAGE = 2;

// Args excludes the program name. Returns the exit status.
int Run_Slotpad_Ini(const std::vector<std::string>& Args, FileStore& Files, std::ostream& Out, std::ostream& Err);

// Everything a load gave, as the dump command prints it.
nlohmann::ordered_json Dump_Load(const SettingsStore& Store, const SlotList& List, const Settings& S);

}  // namespace slotpad
