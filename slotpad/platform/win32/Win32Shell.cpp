#include "slotpad/platform/win32/Win32Shell.h"

#include "slotpad/platform/win32/Utf.h"

namespace slotpad::win32 {

void Win32Shell::SendF1() {
    INPUT keys[2]{};
    keys[0].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = VK_F1;
    keys[1] = keys[0];
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
}

void Win32Shell::OpenHelp(const std::string& helpFile) {
    WinHelpW(window_, Widen(helpFile).c_str(), HELP_FINDER, 0);
}

}  // namespace slotpad::win32
