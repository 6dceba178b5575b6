#include "slotpad/dialogs/About.h"

namespace slotpad {

namespace {

constexpr std::size_t KEY_VALUE_BUFFER = 1024;

}  // namespace

KeyValueResult GetKeyValue(ReadOnlyRegistry& registry, uint32_t KeyRoot, const std::string& KeyName,
                           const std::string& SubKeyRef, std::string& KeyVal) {
    const std::optional<RegistryValue> value = registry.Query_Value(KeyRoot, KeyName, SubKeyRef, KEY_VALUE_BUFFER);
    if (!value) {
        KeyVal.clear();
        return KeyValueResult::Failed;
    }
    const std::string& data = value->Data;
    // There is no last character to test in a value without data.
    if (data.empty()) return KeyValueResult::Faulted;
    // A string stored with its terminating NUL loses it; one stored without keeps all.
    const std::string_view trimmed(data.data(), data.back() == '\0' ? data.size() - 1 : data.size());

    switch (value->Type) {
        case REG_SZ_TYPE:
            KeyVal.assign(trimmed);
            break;
        case REG_DWORD_TYPE: {
            if (trimmed.size() > 4) return KeyValueResult::Faulted;
            uint32_t number = 0;
            for (std::size_t i = trimmed.size(); i-- > 0;)
                number = number << 8 | static_cast<unsigned char>(trimmed[i]);
            KeyVal = std::to_string(static_cast<int32_t>(number));
            break;
        }
        default:
            break;
    }
    return KeyValueResult::Succeeded;
}

frmAbout::frmAbout(AboutWindow& window, const Application& application, const VersionResource& version,
                   ReadOnlyRegistry& registry, ProgramStarter& starter, MessageBoxes& messages)
    : window_(window),
      application_(application),
      version_(version),
      registry_(registry),
      starter_(starter),
      messages_(messages) {}

void frmAbout::Show_About() { window_.Show_Modal(*this); }

void frmAbout::Form_Load() {
    const std::string title = application_.Title();
    const VersionParts parts = version_.File_Version();
    window_.Set_Caption("About " + title);
    window_.Set_Label(AboutLabel::lblVersion, "Version " + std::to_string(parts.Major) + "." +
                                                  std::to_string(parts.Minor) + "." +
                                                  std::to_string(parts.Revision));
    window_.Set_Label(AboutLabel::lblTitle, title + " - " + version_.String_Value("FileDescription"));
    window_.Set_Label(AboutLabel::lblDescription, "");
    window_.Set_Label(AboutLabel::lblDisclaimer, "Developed by: " + version_.String_Value("CompanyName") + "\r\n");
    window_.Set_Label(AboutLabel::lblDisclaimer,
                      window_.Label(AboutLabel::lblDisclaimer) + "Build Date: " + std::string(BUILD_DATE));
}

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void frmAbout::StartSysInfo() {
    std::string path;
    KeyValueResult found = GetKeyValue(registry_, HKEY_LOCAL_MACHINE_ROOT, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                                       "PATH", path);
    if (found == KeyValueResult::Failed) {
        found = GetKeyValue(registry_, HKEY_LOCAL_MACHINE_ROOT, "SOFTWARE\\Microsoft\\Shared Tools Location",
                            "MSINFO", path);
        if (found == KeyValueResult::Succeeded) {
            path += "\\MSINFO32.EXE";
            if (!starter_.Normal_File_Exists(path)) found = KeyValueResult::Failed;
        }
    }
    // A value of another type leaves the path empty, and starting "" would open whatever
    // the shell makes of it.
    if (found == KeyValueResult::Succeeded && !path.empty() && starter_.Start_Program(path)) return;
    messages_.Show_Message(std::string(SYSINFO_UNAVAILABLE));
}

}  // namespace slotpad
