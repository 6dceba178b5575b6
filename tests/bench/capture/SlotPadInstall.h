#pragma once
// SlotPad and CLIP.OCX copied into a temporary folder of their own, the control registered
// from there for the life of the object (as an installation would have it), and the
// settings file beside them written before a run and read back after it.

#include <filesystem>
#include <optional>
#include <string>

#include "slotpad/store/Settings.h"
#include "tests/bench/capture/PlacementModel.h"

namespace slotpad::bench {

class SlotPadInstall {
public:
    SlotPadInstall();
    ~SlotPadInstall();
    SlotPadInstall(const SlotPadInstall&) = delete;
    SlotPadInstall& operator=(const SlotPadInstall&) = delete;

    // Empty when the copies or the registration failed.
    const std::string& Error() const { return error_; }
    std::wstring Exe() const { return (folder_ / L"SlotPad.exe").wstring(); }
    std::wstring Folder() const { return folder_.wstring(); }

    // Writes SlotPad.ini with these slots top to bottom ("" a blank slot), placement mode
    // PLACE_NEXT and the given Ignore Case setting.
    bool Seed(const SlotsInOrder& slots, int16_t ignoreCase) const;
    // The slots of SlotPad.ini as the program saved them; nullopt when it holds none.
    std::optional<SlotsInOrder> Saved() const;

private:
    std::string IniPath() const;

    std::filesystem::path folder_;
    bool registered_ = false;
    std::string error_;
};

}  // namespace slotpad::bench
