#pragma once
// In-memory stand-ins for what the About box reads and starts: the program's identity,
// a registry, the program starter and the message box.

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "slotpad/platform/Application.h"
#include "slotpad/platform/MessageBoxes.h"
#include "slotpad/platform/ProgramStarter.h"
#include "slotpad/platform/ReadOnlyRegistry.h"
#include "slotpad/platform/VersionResource.h"

namespace slotpad::testing {

class FixedApplication : public Application {
public:
    std::string title = "SlotPad";
    std::string Folder() const override { return "C:\\SlotPad"; }
    std::string Title() const override { return title; }
    VersionParts Version() const override { return {1, 0, 8}; }
};

class FixedVersionResource : public VersionResource {
public:
    VersionParts version{1, 0, 8};
    std::map<std::string, std::string, std::less<>> strings = {{"FileDescription", "Clipboard Viewer/Editor"},
                                                               {"CompanyName", "SlotPad"}};
    VersionParts File_Version() const override { return version; }
    std::string String_Value(std::string_view name) const override {
        const auto it = strings.find(name);
        return it == strings.end() ? std::string() : it->second;
    }
};

class MemoryRegistry : public ReadOnlyRegistry {
public:
    using Key = std::tuple<uint32_t, std::string, std::string>;
    std::map<Key, RegistryValue> values;
    std::set<std::string> unreadableKeys;  // keys the user may not open for reading
    std::vector<std::string> queries;      // "key|value" in the order asked

    void Set(const std::string& key, const std::string& name, uint32_t type, std::string data) {
        values[{HKEY_LOCAL_MACHINE_ROOT, key, name}] = RegistryValue{type, std::move(data)};
    }

    std::optional<RegistryValue> Query_Value(uint32_t root, const std::string& keyName, const std::string& valueName,
                                             std::size_t maxBytes) override {
        queries.push_back(keyName + "|" + valueName);
        if (unreadableKeys.count(keyName)) return std::nullopt;
        const auto it = values.find({root, keyName, valueName});
        if (it == values.end() || it->second.Data.size() > maxBytes) return std::nullopt;
        return it->second;
    }
};

class FakeProgramStarter : public ProgramStarter {
public:
    std::set<std::string> files;      // normal files that exist
    std::set<std::string> startable;  // programs that start
    mutable std::vector<std::string> fileTests;
    std::vector<std::string> starts;  // every start asked for, successful or not

    bool Normal_File_Exists(const std::string& path) const override {
        fileTests.push_back(path);
        return files.count(path) != 0;
    }
    bool Start_Program(const std::string& path) override {
        starts.push_back(path);
        return startable.count(path) != 0;
    }
};

class RecordingMessageBoxes : public MessageBoxes {
public:
    std::vector<std::string> shown;
    void Show_Message(const std::string& prompt) override { shown.push_back(prompt); }
    bool Confirm(const std::string& prompt, const std::string&) override {
        shown.push_back(prompt);
        return false;
    }
    bool Ask_Retry(const std::string& prompt) override {
        shown.push_back(prompt);
        return false;
    }
};

}  // namespace slotpad::testing
