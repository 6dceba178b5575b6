#include "tests/bench/capture/PlacementModel.h"

#include <algorithm>

namespace slotpad::bench {

void PlaceNext(SlotsInOrder& slots, const std::string& text) {
    const int count = static_cast<int>(slots.Texts.size());
    if (count == 0 || text.empty()) return;
    const auto blank = std::find(slots.Texts.begin(), slots.Texts.end(), std::string());
    int target = 0;
    if (blank != slots.Texts.end())
        target = static_cast<int>(blank - slots.Texts.begin());
    else if (slots.Current >= 0)
        target = (slots.Current + 1) % count;
    slots.Texts[target] = text;
    slots.Current = target;
}

namespace {

std::string Shown(const std::string& text) {
    if (text.size() <= 24) return "\"" + text + "\"";
    return "\"..." + text.substr(text.size() - 20) + "\" (" + std::to_string(text.size()) + " bytes)";
}

}  // namespace

std::string FirstDifference(const SlotsInOrder& expected, const SlotsInOrder& saved) {
    if (expected.Texts.size() != saved.Texts.size())
        return std::to_string(saved.Texts.size()) + " slots saved, " + std::to_string(expected.Texts.size()) +
               " expected";
    for (size_t i = 0; i < expected.Texts.size(); ++i) {
        if (expected.Texts[i] != saved.Texts[i])
            return "slot " + std::to_string(i + 1) + " holds " + Shown(saved.Texts[i]) + ", expected " +
                   Shown(expected.Texts[i]);
    }
    if (expected.Current != saved.Current)
        return "current slot " + std::to_string(saved.Current + 1) + ", expected " + std::to_string(expected.Current + 1);
    return {};
}

}  // namespace slotpad::bench
