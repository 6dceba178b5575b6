#include "slotpad/platform/win32/Win32TrayIcon.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>

namespace slotpad::win32 {

namespace {

constexpr UINT kIconId = 1;

template <size_t N>
void CopyTruncated(char (&dest)[N], const std::string& src) {
    const size_t n = std::min(src.size(), N - 1);
    std::memcpy(dest, src.data(), n);
    dest[n] = '\0';
}

}  // namespace

bool Win32TrayIcon::Add(const std::string& tip) {
    // The original record size: every shell version accepts it.
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window_;
    data.uID = kIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = callbackMessage_;
    data.hIcon = icon_;
    CopyTruncated(data.szTip, tip.substr(0, 63));
    return Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
}

bool Win32TrayIcon::Delete() {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window_;
    data.uID = kIconId;
    return Shell_NotifyIconA(NIM_DELETE, &data) != FALSE;
}

void Win32TrayIcon::ShowBalloon(const std::string& title, const std::string& text) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof(data);
    data.hWnd = window_;
    data.uID = kIconId;
    data.uFlags = NIF_INFO;
    data.dwInfoFlags = NIIF_WARNING;
    CopyTruncated(data.szInfoTitle, title);
    CopyTruncated(data.szInfo, text);
    Shell_NotifyIconA(NIM_MODIFY, &data);
}

}  // namespace slotpad::win32
