// When the viewer chain is rejoined: only after a change went a whole check interval
// without a notification, once per missed change, and the user hears of it only when
// rejoining keeps failing.

#include <gtest/gtest.h>

#include <vector>

#include "slotpad/capture/ChainWatch.h"

namespace slotpad {
namespace {

using Action = ChainWatch::Action;

// One event of a run: a notification, or a timer tick with the action it must give.
struct Step {
    enum Kind { Notify, Tick } kind;
    uint32_t sequence;
    Action expected = Action::None;
};

struct Scenario {
    const char* name;
    std::vector<Step> steps;
};

const Scenario kScenarios[] = {
    {"nothing changes", {{Step::Tick, 5}, {Step::Tick, 5}, {Step::Tick, 5}}},
    {"every change is notified", {{Step::Notify, 6}, {Step::Tick, 6}, {Step::Notify, 7}, {Step::Tick, 7}, {Step::Tick, 7}}},
    {"a change just before a tick, notified after it",
     {{Step::Tick, 6}, {Step::Notify, 6}, {Step::Tick, 6}, {Step::Tick, 6}}},
    {"a missed change is rejoined for on the second tick that sees it",
     {{Step::Tick, 6}, {Step::Tick, 6, Action::Rejoin}, {Step::Tick, 6}, {Step::Tick, 6}}},
    {"more changes while cut off still rejoin once, then again for the next miss",
     {{Step::Tick, 6},
      {Step::Tick, 9, Action::Rejoin},
      {Step::Tick, 9},
      {Step::Tick, 12},
      {Step::Tick, 12, Action::Rejoin}}},
    {"a flood keeps being notified: never a rejoin",
     {{Step::Notify, 10}, {Step::Tick, 11}, {Step::Notify, 20}, {Step::Tick, 21}, {Step::Notify, 30}, {Step::Tick, 31}}},
    {"notifications stop in the middle of a flood",
     {{Step::Notify, 10}, {Step::Tick, 11}, {Step::Tick, 15, Action::Rejoin}}},
};

TEST(ChainWatchTest, RejoinsOnlyForAChangeThatWentUnnotifiedForAWholeInterval) {
    for (const Scenario& scenario : kScenarios) {
        ChainWatch watch(5);
        int index = 0;
        for (const Step& step : scenario.steps) {
            if (step.kind == Step::Notify) {
                watch.Notified(step.sequence);
            } else {
                EXPECT_EQ(watch.Tick(step.sequence), step.expected) << scenario.name << ", step " << index;
            }
            ++index;
        }
    }
}

TEST(ChainWatchTest, ReportsOnceAfterThreeFailedRejoinsInARow) {
    ChainWatch watch;
    const std::vector<bool> heard = {false, false, true, false, false, false, false, false, true, false, false, false};
    const std::vector<bool> report = {false, false, false, false, false, true, false, false, false, false, false, true};
    for (size_t i = 0; i < heard.size(); ++i) EXPECT_EQ(watch.Rejoined(heard[i]), report[i]) << "rejoin " << i;
}

}  // namespace
}  // namespace slotpad
