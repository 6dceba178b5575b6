#include "slotpad/capture/ChainWatch.h"

namespace slotpad {

void ChainWatch::Notified(uint32_t sequence) {
    known_ = sequence;
    notifiedSinceTick_ = true;
    suspect_ = false;
}

ChainWatch::Action ChainWatch::Tick(uint32_t sequence) {
    const bool heard = notifiedSinceTick_;
    notifiedSinceTick_ = false;
    if (sequence == known_) {
        suspect_ = false;
        return Action::None;
    }
    // A change seen for the first time may simply have been made a moment ago, its
    // notification still on the way; and while notifications come, the chain works.
    if (heard || !suspect_) {
        suspect_ = true;
        return Action::None;
    }
    suspect_ = false;
    known_ = sequence;
    return Action::Rejoin;
}

bool ChainWatch::Rejoined(bool heard) {
    if (heard) {
        failures_ = 0;
        reported_ = false;
        return false;
    }
    if (++failures_ < kFailuresBeforeReport || reported_) return false;
    reported_ = true;
    return true;
}

}  // namespace slotpad
