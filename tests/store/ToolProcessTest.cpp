// The slotpad-ini program itself, started as a process with paths that are not ASCII:
// on Windows that proves the arguments arrive as UTF-16 and reach the file intact.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "tests/store/PlatformFileStore.h"
#include "tests/store/SettingsFixtures.h"

#ifdef _WIN32
#include <windows.h>

#include "slotpad/platform/win32/Utf.h"
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace slotpad {
namespace {

using namespace fixture;

#ifdef _WIN32
std::wstring Wide(const std::string& Utf8) { return win32::Widen(Utf8); }

// The tool is built into the same folder as this test.
std::wstring Tool_Path() {
    std::wstring Path(MAX_PATH, L'\0');
    Path.resize(GetModuleFileNameW(nullptr, Path.data(), MAX_PATH));
    return Path.substr(0, Path.find_last_of(L"\\/") + 1) + L"slotpad-ini.exe";
}

// Runs the tool with its standard output going to the file Output.
int Run_Tool(const std::vector<std::string>& Args, const std::string& Output) {
    SECURITY_ATTRIBUTES Inherit{sizeof Inherit, nullptr, TRUE};
    HANDLE Out = CreateFileW(Wide(Output).c_str(), GENERIC_WRITE, 0, &Inherit, CREATE_ALWAYS, 0, nullptr);
    if (Out == INVALID_HANDLE_VALUE) return -1;
    const std::wstring Tool = Tool_Path();
    std::wstring Line = L"\"" + Tool + L"\"";
    for (const std::string& Arg : Args) Line += L" \"" + Wide(Arg) + L"\"";
    STARTUPINFOW Startup{};
    Startup.cb = sizeof Startup;
    Startup.dwFlags = STARTF_USESTDHANDLES;
    Startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    Startup.hStdOutput = Out;
    Startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION Process{};
    const bool Started =
        CreateProcessW(Tool.c_str(), Line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &Startup, &Process);
    CloseHandle(Out);
    if (!Started) return -1;
    WaitForSingleObject(Process.hProcess, INFINITE);
    DWORD Status = 0;
    GetExitCodeProcess(Process.hProcess, &Status);
    CloseHandle(Process.hThread);
    CloseHandle(Process.hProcess);
    return static_cast<int>(Status);
}
#else
// Runs the tool with its standard output going to the file Output.
int Run_Tool(const std::vector<std::string>& Args, const std::string& Output) {
    std::vector<char*> Argv{const_cast<char*>(SLOTPAD_INI_PATH)};
    for (const std::string& Arg : Args) Argv.push_back(const_cast<char*>(Arg.c_str()));
    Argv.push_back(nullptr);
    const pid_t Child = fork();
    if (Child == 0) {
        const int Out = open(Output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (Out < 0 || dup2(Out, 1) < 0) _exit(126);
        execv(SLOTPAD_INI_PATH, Argv.data());
        _exit(127);
    }
    int Status = 0;
    if (Child < 0 || waitpid(Child, &Status, 0) != Child || !WIFEXITED(Status)) return -1;
    return WEXITSTATUS(Status);
}
#endif

TEST(SlotpadIniProcess, UpgradesAndDumpsFilesInAFolderWithAnyName) {
    ScratchFolder Folder;
    PlatformFileStore Files;
    const std::string In = Folder.File(u8"alt ß.ini"), Out = Folder.File(u8"neu ß.ini");
    ASSERT_TRUE(Files.WriteAtomically(In, File_1_00_40("1.00.40", Header{}, Sample_List())));

    const std::string Printed = Folder.File(u8"stdout.txt");
    EXPECT_EQ(Run_Tool({"upgrade", In, Out}, Printed), 0);
    std::string Bytes;
    ASSERT_EQ(Files.ReadAll(Out, Bytes), ReadStatus::Ok);
    EXPECT_EQ(Bytes.substr(0, 7), "1.00.50");

    EXPECT_EQ(Run_Tool({"dump", Out}, Printed), 0);
    ASSERT_EQ(Files.ReadAll(Printed, Bytes), ReadStatus::Ok);
    const nlohmann::json Dump = nlohmann::json::parse(Bytes);
    EXPECT_EQ(Dump["file"], Out);  // the path came through whole
    EXPECT_EQ(Dump["marker"], "1.00.50");
    EXPECT_EQ(Dump["slots"][1]["Text"], "caf\u00E9 \u20AC 5");

    EXPECT_EQ(Run_Tool({"dump", Folder.File(u8"fehlt ß.ini")}, Printed), 1);
    EXPECT_EQ(Run_Tool({"--help"}, Printed), 0);
    ASSERT_EQ(Files.ReadAll(Printed, Bytes), ReadStatus::Ok);
    EXPECT_NE(Bytes.find("upgrade IN OUT"), std::string::npos);
    EXPECT_EQ(Run_Tool({"dump"}, Printed), 2);
}

}  // namespace
}  // namespace slotpad
