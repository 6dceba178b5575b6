// How clipboard changes reach the slots when they come fast or stop coming: notifications
// merge into one read of the newest content, the program's own writes are told apart as
// they are made, and a viewer chain that stopped reporting changes is rejoined.

#include <gtest/gtest.h>

#include "tests/form/FormDesktop.h"

namespace slotpad::testing {
namespace {

class CaptureFlowTest : public ::testing::Test, protected FormDesktop {
protected:
    CaptureFlowTest() {
        form.Form_Load();
        clipboard.onChange = [this] { form.Clip_NewClipboardElement(); };
        viewer.onJoin = [this] {
            form.Clip_NewClipboardElement();
            window.DeliverPosted(form);
        };
    }
    std::string Current() { return form.List().Nodes[form.CurrentSettings().CurSlot].Slot.Text; }
    // A change that no notification reports: the chain is cut ahead of us.
    void CopyUnheard(const std::string& text) {
        auto heard = std::move(clipboard.onChange);
        clipboard.CopyFromOutside(text);
        clipboard.onChange = std::move(heard);
    }
};

TEST_F(CaptureFlowTest, ChangesFasterThanTheReadsMergeIntoTheNewest) {
    for (const char* text : {"one", "two", "three"}) clipboard.CopyFromOutside(text);
    EXPECT_EQ(window.postedCaptures, 1) << "one read for the three changes";
    window.DeliverPosted(form);
    EXPECT_EQ(Texts(), std::vector<std::string>{"three"});
    EXPECT_EQ(Current(), "three");

    clipboard.CopyFromOutside("four");
    window.DeliverPosted(form);
    EXPECT_EQ(Current(), "four") << "a read once delivered lets the next change be read";
}

TEST_F(CaptureFlowTest, ItsOwnWriteIsToldApartWhenItIsMade) {
    form.mnuAdd_Click();
    form.Book().Edit_Slot(form.List().HeadNode, "mine", "mine");
    form.Captures().Select_Item(form.List().HeadNode, true);
    EXPECT_EQ(clipboard.text, std::optional<std::string>("mine"));
    EXPECT_EQ(window.postedCaptures, 0) << "no read is asked for the program's own write";
}

TEST_F(CaptureFlowTest, AChangeNoNotificationReportedIsCapturedByRejoiningOnce) {
    EXPECT_EQ(window.timerIntervalMs, 2000);
    CopyUnheard("missed");
    log.events.clear();
    form.Timer_Tick();
    EXPECT_FALSE(log.Has("start viewer")) << "the notification may still be on its way";
    form.Timer_Tick();
    EXPECT_EQ(log.events, (std::vector<std::string>{"stop viewer", "start viewer"}));
    EXPECT_EQ(Current(), "missed");
    for (int i = 0; i < 5; ++i) form.Timer_Tick();
    EXPECT_EQ(log.events.size(), 2u) << "rejoined again without a new missed change";
    EXPECT_TRUE(tray.balloons.empty());
}

TEST_F(CaptureFlowTest, RejoiningThatKeepsFailingIsReportedOnce) {
    viewer.onJoin = nullptr;  // the join brings no notification
    for (int miss = 0; miss < 6; ++miss) {
        CopyUnheard("missed " + std::to_string(miss));
        form.Timer_Tick();
        form.Timer_Tick();
        EXPECT_EQ(tray.balloons.size(), miss < 2 ? 0u : 1u) << "after miss " << miss;
    }
    EXPECT_TRUE(viewer.viewing);
}

}  // namespace
}  // namespace slotpad::testing
