#pragma once
// The capture loop against each kind of reader: nobody in the viewer chain, the minimal
// viewer, and SlotPad with a given settings file. Each run checks what it can: the minimal
// viewer's own count after every write, SlotPad's saved slots against the placement model.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/bench/capture/CaptureRounds.h"
#include "tests/bench/capture/PlacementModel.h"
#include "tests/bench/capture/ProcessProbes.h"
#include "tests/bench/capture/SlotPadInstall.h"

namespace slotpad::bench {

struct TextKind {
    std::string Name;
    std::function<std::string(int serial)> Make;
    int WritesPerRound = 0;
    int WarmUpWrites = 0;
};

// Hands out serial numbers, so that no two texts of a run are alike.
class Serials {
public:
    int Next() { return next_++; }
    std::vector<std::string> Texts(const TextKind& kind, int count);

private:
    int next_ = 1;
};

struct ModeResult {
    std::string Mode;
    std::vector<Round> Rounds;
    int WritesPerRound = 0;
    std::optional<bool> Verified;  // nullopt: nothing reads the clipboard, nothing to verify
    std::string Detail;            // what was verified, or what went wrong
    std::optional<MemoryFigures> Memory;

    bool Ran() const { return !Rounds.empty(); }
    double MedianRate() const;
    double MedianSeconds() const;
    double MinRate() const;
    double MaxRate() const;
};

ModeResult RunWithoutViewer(const TextKind& kind, int rounds, Serials& serials);
ModeResult RunMinimalViewer(const TextKind& kind, int rounds, Serials& serials);

struct SlotPadSetup {
    std::string Mode;
    SlotsInOrder Seed;
    int16_t IgnoreCase = 1;
    bool ShowPanel = false;  // show the window so that every capture really paints the panel
};
ModeResult RunSlotPad(const SlotPadInstall& install, const SlotPadSetup& setup, const TextKind& kind, int rounds,
                      Serials& serials);

}  // namespace slotpad::bench
