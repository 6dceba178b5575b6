#pragma once
// Turns clipboard changes into slots, and slots back into clipboard content.

#include <cstddef>
#include <cstdint>
#include <string>

#include "slotpad/capture/AnsiText.h"
#include "slotpad/main/panel/PanelRefresh.h"
#include "slotpad/platform/Clipboard.h"
#include "slotpad/store/LinkList.h"
#include "slotpad/store/Settings.h"

namespace slotpad {

class Capture {
public:
    // The settings file stores a string's length in 16 bits; a longer clipboard text
    // could not be saved, so it is not captured.
    static constexpr std::size_t MaxTextBytes = 65535;

    Capture(SlotList& list, Settings& settings, Clipboard& clipboard, const SlotRecord& blankSlot,
            PanelRefresh& panel);

    // The clip control's NewClipboardElement event.
    void Clip_NewClipboardElement();

    void Add_To_Clipboard(const std::string& Str, bool ForceAdd);
    int16_t Find_Match(const std::string& Str) const;
    void Select_Item(int16_t Pos, bool Refresh);
    void Verify_Locks();

    bool IgnoreClip() const { return ignoreClip_; }

    // The letter case of the system's code page, for Ignore Case; Windows-1252 until set.
    void UseCaseFold(const AnsiCaseFold& fold) { fold_ = fold; }

private:
    bool IsBlank(int16_t node) const;
    int16_t FindBlankSlot() const;
    int16_t FindPlacementTarget() const;
    int16_t SearchDownForUnlocked(int16_t start) const;

    SlotList& list_;
    Settings& settings_;
    Clipboard& clipboard_;
    const SlotRecord& blankSlot_;
    PanelRefresh& panel_;
    bool ignoreClip_ = false;
    AnsiCaseFold fold_;
};

}  // namespace slotpad
