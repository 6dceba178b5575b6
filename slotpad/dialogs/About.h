#pragma once
// The About box's logic: its texts from the program's identity, and the start of the
// system information tool.

#include <cstdint>
#include <string>

#include "slotpad/platform/AboutWindow.h"
#include "slotpad/platform/Application.h"
#include "slotpad/platform/MessageBoxes.h"
#include "slotpad/platform/ProgramStarter.h"
#include "slotpad/platform/ReadOnlyRegistry.h"
#include "slotpad/platform/VersionResource.h"

namespace slotpad {

inline constexpr std::string_view BUILD_DATE = "June 5, 1999";
inline constexpr std::string_view SYSINFO_UNAVAILABLE = "System Information Is Unavailable At This Time";

enum class KeyValueResult {
    Failed,     // no such key or value, or more than 1024 bytes of data: KeyVal is ""
    Succeeded,  // KeyVal holds the value (or, for a type other than a string or a
                // number, what it held before)
    Faulted,    // data that cannot be read as its type, such as a value with no data
};

// Reads one registry value as text, opening the key for reading only.
KeyValueResult GetKeyValue(ReadOnlyRegistry& registry, uint32_t KeyRoot, const std::string& KeyName,
                           const std::string& SubKeyRef, std::string& KeyVal);

class frmAbout : public AboutEvents {
public:
    frmAbout(AboutWindow& window, const Application& application, const VersionResource& version,
             ReadOnlyRegistry& registry, ProgramStarter& starter, MessageBoxes& messages);

    // What mnuAbout_Click does: load the box and show it modally until it is closed.
    void Show_About();

    void Form_Load() override;
    void cmdSysInfo_Click() override;
    void StartSysInfo();

private:
    AboutWindow& window_;
    const Application& application_;
    const VersionResource& version_;
    ReadOnlyRegistry& registry_;
    ProgramStarter& starter_;
    MessageBoxes& messages_;
};

}  // namespace slotpad
