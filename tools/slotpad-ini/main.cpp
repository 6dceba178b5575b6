// slotpad-ini: inspects and upgrades SlotPad's settings and slot file.

#include <iostream>
#include <string>
#include <vector>

#include "tools/slotpad-ini/IniTool.h"

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#include <fcntl.h>
#include <io.h>

#include <memory>

#include "slotpad/platform/win32/Utf.h"
#include "slotpad/platform/win32/Win32FileStore.h"

namespace {

// The narrow argv of a Windows program is in the ANSI code page and loses every
// character outside it; the wide command line keeps paths intact.
std::vector<std::string> Arguments() {
    int Count = 0;
    struct LocalFreer {
        void operator()(LPWSTR* P) const { LocalFree(P); }
    };
    std::unique_ptr<LPWSTR, LocalFreer> Argv(CommandLineToArgvW(GetCommandLineW(), &Count));
    std::vector<std::string> Args;
    for (int I = 1; Argv && I < Count; ++I) Args.push_back(slotpad::win32::Narrow(Argv.get()[I]));
    return Args;
}

}  // namespace

int main() {
    // The JSON is UTF-8 bytes; no newline translation on the way out.
    _setmode(_fileno(stdout), _O_BINARY);
    slotpad::Win32FileStore Files;
    return slotpad::Run_Slotpad_Ini(Arguments(), Files, std::cout, std::cerr);
}

#else
#include "slotpad/platform/posix/PosixFileStore.h"

int main(int argc, char** argv) {
    slotpad::PosixFileStore Files;
    return slotpad::Run_Slotpad_Ini(std::vector<std::string>(argv + 1, argv + argc), Files, std::cout, std::cerr);
}
#endif
