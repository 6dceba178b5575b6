#include "slotpad/platform/win32/Win32Application.h"

#include <windows.h>

#include <vector>

#include "slotpad/platform/win32/Utf.h"
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

// The three parts the program shows: major, minor and the fourth field (revision)
// of the file version.
VersionParts VersionOf(const std::wstring& modulePath) {
    VersionParts parts;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(modulePath.c_str(), &ignored);
    if (size == 0) return parts;
    std::vector<unsigned char> data(size);
    if (!GetFileVersionInfoW(modulePath.c_str(), 0, size, data.data())) return parts;
    VS_FIXEDFILEINFO* info = nullptr;
    UINT len = 0;
    if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &len) || len < sizeof(*info))
        return parts;
    parts.Major = static_cast<int16_t>(HIWORD(info->dwFileVersionMS));
    parts.Minor = static_cast<int16_t>(LOWORD(info->dwFileVersionMS));
    parts.Revision = static_cast<int16_t>(LOWORD(info->dwFileVersionLS));
    return parts;
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
    version_ = VersionOf(module);
}

int Win32Screen::TwipsPerPixelX() const { return 1440 / ScreenDpi(LOGPIXELSX); }
int Win32Screen::TwipsPerPixelY() const { return 1440 / ScreenDpi(LOGPIXELSY); }
int Win32Screen::WidthTwips() const { return GetSystemMetrics(SM_CXSCREEN) * TwipsPerPixelX(); }
int Win32Screen::HeightTwips() const { return GetSystemMetrics(SM_CYSCREEN) * TwipsPerPixelY(); }

}  // namespace slotpad::win32
