#include "slotpad/platform/win32/Win32WorkAreas.h"

#include <windows.h>

#include "slotpad/platform/win32/Win32Application.h"

namespace slotpad::win32 {

namespace {

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoW(monitor, &info)) reinterpret_cast<std::vector<RECT>*>(data)->push_back(info.rcWork);
    return TRUE;
}

}  // namespace

std::vector<TwipsRect> Win32WorkAreas::MonitorWorkAreas() const {
    std::vector<RECT> pixels;
    EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&pixels));
    const Win32Screen screen;
    const int x = screen.TwipsPerPixelX();
    const int y = screen.TwipsPerPixelY();
    std::vector<TwipsRect> areas;
    for (const RECT& r : pixels)
        areas.push_back({r.left * x, r.top * y, (r.right - r.left) * x, (r.bottom - r.top) * y});
    return areas;
}

}  // namespace slotpad::win32
