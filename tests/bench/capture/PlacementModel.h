#pragma once
// Where SlotPad must have put a run of new texts, worked out independently of it: with
// "Add to Next Available (Unlocked) Slot", no locked slots and no duplicates, a text goes
// into the first blank slot while there is one, else into the slot below the current one,
// continuing from the top after the bottom slot.

#include <string>
#include <vector>

namespace slotpad::bench {

struct SlotsInOrder {
    std::vector<std::string> Texts;  // top to bottom; "" is a blank slot
    int Current = -1;                // position of the current slot, -1 for none

    friend bool operator==(const SlotsInOrder&, const SlotsInOrder&) = default;
};

void PlaceNext(SlotsInOrder& slots, const std::string& text);

// The first position where `saved` differs from `expected`, described for a report; ""
// when they are equal.
std::string FirstDifference(const SlotsInOrder& expected, const SlotsInOrder& saved);

}  // namespace slotpad::bench
