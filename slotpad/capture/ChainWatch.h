#pragma once
// Notices when clipboard changes stop reaching us through the viewer chain. A viewer that
// joined after us and ended without leaving, or one that passes nothing on, cuts us off
// silently; the clipboard's sequence number still moves, so a periodic look at it tells.

#include <cstdint>

namespace slotpad {

class ChainWatch {
public:
    enum class Action { None, Rejoin };

    explicit ChainWatch(uint32_t sequence = 0) : known_(sequence) {}

    // A change notification arrived; `sequence` is the clipboard's sequence number now.
    void Notified(uint32_t sequence);

    // The periodic check. Asks for a rejoin when the clipboard changed and no notification
    // came for a whole check interval; never twice for the same missed change.
    Action Tick(uint32_t sequence);

    // After a rejoin: whether the join brought a notification. True once when rejoining
    // failed three times in a row, the moment to tell the user.
    bool Rejoined(bool heard);

private:
    static constexpr int kFailuresBeforeReport = 3;

    uint32_t known_;
    bool notifiedSinceTick_ = false;
    bool suspect_ = false;
    int failures_ = 0;
    bool reported_ = false;
};

}  // namespace slotpad
