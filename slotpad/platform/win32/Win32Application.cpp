#include "slotpad/platform/win32/Win32Application.h"

#include <windows.h>

#include "slotpad/platform/win32/Utf.h"
#include "slotpad/platform/win32/Win32VersionResource.h"
#include "win32/ModulePath.h"

namespace slotpad::win32 {

namespace {

std::string FolderOf(const std::wstring& modulePath) {
    const auto slash = modulePath.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return {};
    // A program in a drive's root keeps the separator ("C:\"), like the forms runtime did.
    const bool root = slash == 2 && modulePath[1] == L':';
    return Narrow(modulePath.substr(0, root ? slash + 1 : slash));
}

int ScreenDpi(int index) {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, index) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

}  // namespace

Win32Application::Win32Application(std::string title) : title_(std::move(title)) {
    const std::wstring module = foundation::ModulePath(nullptr);
    folder_ = FolderOf(module);
    // The three parts the program shows: major, minor and the fourth field (revision).
    version_ = Win32VersionResource(nullptr).File_Version();
}

int Win32Screen::TwipsPerPixelX() const { return 1440 / ScreenDpi(LOGPIXELSX); }
int Win32Screen::TwipsPerPixelY() const { return 1440 / ScreenDpi(LOGPIXELSY); }
int Win32Screen::WidthTwips() const { return GetSystemMetrics(SM_CXSCREEN) * TwipsPerPixelX(); }
int Win32Screen::HeightTwips() const { return GetSystemMetrics(SM_CYSCREEN) * TwipsPerPixelY(); }

}  // namespace slotpad::win32
