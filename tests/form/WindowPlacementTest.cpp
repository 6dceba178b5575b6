// A window placed from the settings file is kept where the file says when any of it can
// be seen on a monitor's work area, and centred when none of it can.

#include <gtest/gtest.h>

#include <climits>

#include "slotpad/main/WindowPlacement.h"
#include "tests/form/FormDesktop.h"

namespace slotpad::testing {
namespace {

const TwipsRect kLeftMonitor{0, 0, 19200, 14760};
const TwipsRect kRightMonitor{19200, -3000, 15360, 11520};

struct PlacementCase {
    const char* what;
    TwipsRect window;
    std::vector<TwipsRect> areas;
    bool reaches;
};

const PlacementCase kCases[] = {
    {"inside the only monitor", {1500, 1500, 3600, 3000}, {kLeftMonitor}, true},
    {"partly off the left edge", {-3000, 1500, 3600, 3000}, {kLeftMonitor}, true},
    {"a damaged file's geometry", {-1892, -856, 3600, 50}, {kLeftMonitor}, false},
    {"just touching the left edge", {-3600, 1500, 3600, 3000}, {kLeftMonitor}, false},
    {"below the work area, on the taskbar", {1500, 14760, 3600, 3000}, {kLeftMonitor}, false},
    {"on the second monitor", {25000, -2000, 3600, 3000}, {kLeftMonitor, kRightMonitor}, true},
    {"above the first monitor, beside the higher second", {1500, -2500, 3600, 2000}, {kLeftMonitor, kRightMonitor},
     false},
    {"no width at all", {1500, 1500, 0, 3000}, {kLeftMonitor}, false},
    {"negative height", {1500, 1500, 3600, -3000}, {kLeftMonitor}, false},
    {"values whose sum overflows", {INT_MAX - 10, INT_MAX - 10, INT_MAX, INT_MAX}, {kLeftMonitor}, false},
    {"the system names no work area", {-1892, -856, 3600, 50}, {}, true},
};

TEST(WindowPlacementTest, AWindowReachesAWorkAreaWhenItSharesSomeOfIt) {
    for (const PlacementCase& c : kCases) EXPECT_EQ(Reaches_Work_Area(c.window, c.areas), c.reaches) << c.what;
}

class PlacementFormTest : public ::testing::Test, protected FormDesktop {
protected:
    void SaveGeometry(int left, int top, int width, int height) {
        EventLog scratch;
        FormWindow earlier(scratch);
        earlier.left = left;
        earlier.top = top;
        earlier.width = width;
        earlier.height = height;
        SlotList slots;
        int16_t node = 0;
        slots.Insert_Node({VB_FALSE, "kept", "kept"}, POS_BOTTOM, node);
        SettingsFile file(files, app, screen);
        file.SettingsPath = "C:\\SlotPad\\SlotPad.ini";
        ASSERT_TRUE(file.Save_Settings(earlier, slots, Settings{}));
    }
};

TEST_F(PlacementFormTest, AnUnreachableSavedPlaceIsCentredAndAReachableOneKept) {
    SaveGeometry(-1892, -856, 3600, 50);
    form.Form_Load();
    EXPECT_EQ(window.left, 1280 * 15 / 2 - window.width / 2);
    EXPECT_EQ(window.top, 1024 * 15 / 2 - 50 / 2);
    EXPECT_EQ(form.List().Nodes[form.List().HeadNode].Slot.Text, "kept");
}

TEST_F(PlacementFormTest, AReachableSavedPlaceIsKept) {
    SaveGeometry(-1000, 200, 3600, 3000);
    form.Form_Load();
    EXPECT_EQ(window.left, -1000);
    EXPECT_EQ(window.top, 200);
}

}  // namespace
}  // namespace slotpad::testing
