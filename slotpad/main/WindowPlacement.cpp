#include "slotpad/main/WindowPlacement.h"

#include <algorithm>

namespace slotpad {

namespace {

// In 64 bits: a damaged file's values added together may not fit an int.
bool Overlaps(const TwipsRect& a, const TwipsRect& b) {
    const long long left = std::max<long long>(a.Left, b.Left);
    const long long top = std::max<long long>(a.Top, b.Top);
    const long long right = std::min<long long>(static_cast<long long>(a.Left) + a.Width,
                                                static_cast<long long>(b.Left) + b.Width);
    const long long bottom = std::min<long long>(static_cast<long long>(a.Top) + a.Height,
                                                 static_cast<long long>(b.Top) + b.Height);
    return left < right && top < bottom;
}

}  // namespace

bool Reaches_Work_Area(const TwipsRect& window, const std::vector<TwipsRect>& areas) {
    if (areas.empty()) return true;
    return std::any_of(areas.begin(), areas.end(), [&](const TwipsRect& area) { return Overlaps(window, area); });
}

void Apply_Placement(MainWindow& window, const WindowPlacement& placement, const Screen& screen,
                     const WorkAreas& areas) {
    TwipsRect frame = placement.Frame;
    if (!Reaches_Work_Area(frame, areas.MonitorWorkAreas())) {
        frame.Left = screen.WidthTwips() / 2 - frame.Width / 2;
        frame.Top = screen.HeightTwips() / 2 - frame.Height / 2;
    }
    window.Place(frame);
    window.SetTopChecked(placement.OnTop);
}

}  // namespace slotpad
