// The clipboard as the program reads and writes it: content marked as not for clipboard
// monitors, and a clipboard that another program holds open for a moment or for long.

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstring>
#include <thread>

#include "slotpad/platform/win32/Win32Clipboard.h"

namespace slotpad::win32 {
namespace {

class Win32ClipboardTest : public ::testing::Test {
protected:
    Win32ClipboardTest() {
        owner_ = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        clipboard_.SetOwner(owner_);
    }
    ~Win32ClipboardTest() override { DestroyWindow(owner_); }

    // Text, plus one more registered format holding `marker` bytes.
    void CopyWithMarker(const char* text, const char* format, const void* marker, size_t size) {
        ASSERT_TRUE(OpenClipboard(owner_));
        EmptyClipboard();
        SetClipboardData(CF_TEXT, Global(text, strlen(text) + 1));
        if (format) SetClipboardData(RegisterClipboardFormatA(format), Global(marker, size));
        CloseClipboard();
    }

    static HGLOBAL Global(const void* data, size_t size) {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size ? size : 1);
        if (size) memcpy(GlobalLock(block), data, size), GlobalUnlock(block);
        return block;
    }

    HWND owner_;
    Win32Clipboard clipboard_;
};

TEST_F(Win32ClipboardTest, WritesAndReadsText) {
    ASSERT_TRUE(clipboard_.Clear());
    EXPECT_FALSE(clipboard_.HasText());
    ASSERT_TRUE(clipboard_.SetText("caf\xe9 & more"));
    EXPECT_TRUE(clipboard_.HasText());
    EXPECT_EQ(clipboard_.GetText(), std::optional<std::string>("caf\xe9 & more"));
    EXPECT_FALSE(clipboard_.IsPrivate());
}

TEST_F(Win32ClipboardTest, ContentMarkedForNoMonitorsIsPrivate) {
    const DWORD no = 0, yes = 1;
    const struct {
        const char* format;
        const void* data;
        size_t size;
        bool isPrivate;
    } cases[] = {
        {"Clipboard Viewer Ignore", "", 0, true},
        {"ExcludeClipboardContentFromMonitorProcessing", "", 0, true},
        {"CanIncludeInClipboardHistory", &no, sizeof(no), true},
        {"CanIncludeInClipboardHistory", &yes, sizeof(yes), false},
        {nullptr, nullptr, 0, false},
    };
    for (const auto& c : cases) {
        CopyWithMarker("secret", c.format, c.data, c.size);
        EXPECT_EQ(clipboard_.IsPrivate(), c.isPrivate) << (c.format ? c.format : "no marker");
    }
}

TEST_F(Win32ClipboardTest, WaitsBrieflyForAClipboardHeldOpenElsewhere) {
    ASSERT_TRUE(clipboard_.SetText("held"));
    // Another thread's window holds the clipboard open for a moment, as a program that is
    // writing it does.
    HANDLE opened = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([opened] {
        HWND other = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        if (OpenClipboard(other)) {
            SetEvent(opened);
            Sleep(20);
            CloseClipboard();
        } else {
            SetEvent(opened);
        }
        DestroyWindow(other);
    });
    WaitForSingleObject(opened, 5000);
    EXPECT_EQ(clipboard_.GetText(), std::optional<std::string>("held"));
    holder.join();
    CloseHandle(opened);
}

TEST_F(Win32ClipboardTest, GivesUpQuicklyWhenTheClipboardStaysHeld) {
    ASSERT_TRUE(clipboard_.SetText("held"));
    HANDLE opened = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([opened, release] {
        HWND other = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        const bool open = OpenClipboard(other);
        SetEvent(opened);
        WaitForSingleObject(release, 10000);
        if (open) CloseClipboard();
        DestroyWindow(other);
    });
    WaitForSingleObject(opened, 5000);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(clipboard_.GetText(), std::nullopt);
    EXPECT_FALSE(clipboard_.SetText("not now"));
    const auto took = std::chrono::steady_clock::now() - start;
    SetEvent(release);
    holder.join();
    CloseHandle(opened);
    CloseHandle(release);
    EXPECT_LT(took, std::chrono::seconds(2)) << "never hangs on a held clipboard";
    EXPECT_EQ(clipboard_.GetText(), std::optional<std::string>("held")) << "the failed write changed nothing";
}

}  // namespace
}  // namespace slotpad::win32
