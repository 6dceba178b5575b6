#pragma once
// Turns clipboard changes into slots, and slots back into clipboard content: the
// placement policy over the slot book.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "slotpad/capture/AnsiText.h"
#include "slotpad/platform/Clipboard.h"
#include "slotpad/store/SlotBook.h"

namespace slotpad {

class Capture {
public:
    // The settings file stores a string's length in 16 bits; a longer clipboard text
    // could not be saved, so it is not captured.
    static constexpr std::size_t MaxTextBytes = 65535;

    Capture(SlotBook& book, Clipboard& clipboard);

    // The clip control's NewClipboardElement event.
    void Clip_NewClipboardElement();
    // The clipboard's text as capture would take it; nothing for content without text,
    // empty text, private content or a text too long to be saved.
    std::optional<std::string> Capturable_Text();

    void Add_To_Clipboard(const std::string& Str, bool ForceAdd);
    int16_t Find_Match(const std::string& Str) const;
    // Without Refresh the change of the current slot waits for the caller's next change
    // to the book to be shown.
    void Select_Item(int16_t Pos, bool Refresh);

    bool IgnoreClip() const { return ignoreClip_; }

    // The letter case of the system's code page, for Ignore Case; Windows-1252 until set.
    void UseCaseFold(const AnsiCaseFold& fold) { fold_ = fold; }

private:
    int16_t FindBlankSlot() const;
    int16_t FindPlacementTarget() const;
    int16_t SearchDownForUnlocked(int16_t start) const;

    SlotBook& book_;
    Clipboard& clipboard_;
    bool ignoreClip_ = false;
    AnsiCaseFold fold_;
};

}  // namespace slotpad
