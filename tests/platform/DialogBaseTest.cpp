// A dialog built on DialogBase from a template in memory: its procedure reaches the
// object from WM_INITDIALOG on, it ends with its result, and a throw in its handler stops
// at the barrier.

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "win32/DialogBase.h"
#include "win32/Failure.h"

namespace {

constexpr UINT kThrow = WM_APP + 1;
constexpr UINT kFinish = WM_APP + 2;
constexpr WORD kEditId = 100;

// An empty dialog with one edit control, as DLGTEMPLATE and DLGITEMTEMPLATE lay it out.
class DialogTemplate {
public:
    DialogTemplate() {
        DLGTEMPLATE dialog{};
        dialog.style = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
        dialog.cdit = 1;
        dialog.cx = 120;
        dialog.cy = 60;
        Append(&dialog, sizeof(dialog));
        Word(0);                  // no menu
        Word(0);                  // the standard dialog class
        Text(L"DialogBase test");  // title
        Align();
        DLGITEMTEMPLATE edit{};
        edit.style = WS_CHILD | WS_VISIBLE | WS_BORDER;
        edit.x = 5;
        edit.y = 5;
        edit.cx = 100;
        edit.cy = 12;
        edit.id = kEditId;
        Append(&edit, sizeof(edit));
        Word(0xFFFF);
        Word(0x0081);  // edit
        Text(L"");
        Word(0);  // no creation data
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void Append(const void* data, size_t size) {
        const size_t at = words_.size();
        words_.resize(at + (size + 1) / 2);
        std::memcpy(words_.data() + at, data, size);
    }
    void Word(WORD w) { words_.push_back(w); }
    void Text(const wchar_t* text) { Append(text, (std::wcslen(text) + 1) * sizeof(wchar_t)); }
    void Align() {
        if (words_.size() % 2) words_.push_back(0);
    }
    std::vector<WORD> words_;
};

class TestDialog final : public foundation::DialogBase {
public:
    using DialogBase::End;
    HWND initialisedWith = nullptr;
    bool editFound = false;
    bool throwFirst = false;
    bool throwInInit = false;

private:
    BOOL OnInitDialog() override {
        initialisedWith = hwnd_;
        editFound = GetDlgItem(hwnd_, kEditId) != nullptr;
        if (throwInInit) throw std::runtime_error("the dialog could not start");
        // Once the dialog runs its own loop, it ends itself.
        PostMessageW(hwnd_, throwFirst ? kThrow : kFinish, 0, 0);
        return TRUE;
    }
    INT_PTR HandleMessage(UINT message, WPARAM, LPARAM) override {
        if (message == kThrow) {
            PostMessageW(hwnd_, kFinish, 0, 0);
            throw std::runtime_error("the dialog's handler gave up");
        }
        if (message == kFinish) {
            End(throwFirst ? 7 : 42);
            return TRUE;
        }
        return FALSE;
    }
};

TEST(DialogBaseTest, AModalDialogReachesItsObjectFromInitDialogAndEndsWithItsResult) {
    const DialogTemplate layout;
    TestDialog dialog;
    EXPECT_EQ(dialog.RunModal(GetModuleHandleW(nullptr), layout.Get(), nullptr), 42);
    EXPECT_NE(dialog.initialisedWith, nullptr);
    EXPECT_TRUE(dialog.editFound);
    EXPECT_EQ(dialog.hwnd(), nullptr);
}

TEST(DialogBaseTest, AThrowInsideTheDialogProcedureStopsAtTheBarrier) {
    const DialogTemplate layout;
    TestDialog dialog;
    dialog.throwFirst = true;
    EXPECT_EQ(dialog.RunModal(GetModuleHandleW(nullptr), layout.Get(), nullptr), 7);
    EXPECT_NE(foundation::LastReportedFailure().find("the dialog's handler gave up"), std::string::npos);
}

TEST(DialogBaseTest, AModelessDialogAnswersWhileOpenAndAThrowInInitDialogIsCaught) {
    const DialogTemplate layout;
    TestDialog dialog;
    dialog.throwInInit = true;
    const HWND window = dialog.CreateModeless(GetModuleHandleW(nullptr), layout.Get(), nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(dialog.hwnd(), window);
    EXPECT_NE(foundation::LastReportedFailure().find("the dialog could not start"), std::string::npos);
    dialog.End(0);
    EXPECT_EQ(dialog.hwnd(), nullptr);
    EXPECT_FALSE(IsWindow(window));
}

}  // namespace
