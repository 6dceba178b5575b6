// The Edit Selection dialog as a real window under Wine, driven through its logic: the
// controls' rectangles after resizes, the ways out of it (OK, Esc, the close box), line
// ends, the per-box byte limit, the first focus and the kept size between uses.

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "slotpad/dialogs/DialogLayout.h"
#include "slotpad/dialogs/EditSel.h"
#include "slotpad/platform/win32/Win32Application.h"
#include "slotpad/platform/win32/dialogs/Win32EditSelWindow.h"
#include "win32/Handles.h"

namespace {

using slotpad::EditedSlot;
using slotpad::EditSel;
using slotpad::EditSelControl;
using slotpad::win32::Win32EditSelWindow;

// The steps run one after another inside the dialog's modal loop, from a thread timer.
std::vector<std::function<void()>> g_steps;
std::size_t g_next = 0;
UINT_PTR g_timer = 0;

void CALLBACK RunNextStep(HWND, UINT, UINT_PTR, DWORD) {
    if (g_next >= g_steps.size()) {
        KillTimer(nullptr, g_timer);
        g_timer = 0;
        return;
    }
    const auto step = g_steps[g_next++];
    step();
}

void WhileShown(std::vector<std::function<void()>> steps) {
    g_steps = std::move(steps);
    g_next = 0;
    g_timer = SetTimer(nullptr, 0, 30, &RunNextStep);
}

RECT RectIn(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void PutOnClipboard(const std::wstring& text) {
    foundation::ClipboardOpen open(nullptr, 10, 20);
    ASSERT_TRUE(open);
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    ASSERT_NE(memory, nullptr);
    {
        foundation::GlobalLockScope lock(memory);
        std::memcpy(lock.get(), text.c_str(), bytes);
    }
    ASSERT_NE(SetClipboardData(CF_UNICODETEXT, memory), nullptr);
}

class EditSelWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        owner_.reset(CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                                     nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
        ASSERT_NE(owner_.get(), nullptr);
        window_ = std::make_unique<Win32EditSelWindow>(GetModuleHandleW(nullptr), owner_.get());
    }
    void TearDown() override {
        if (g_timer) KillTimer(nullptr, g_timer);
        g_timer = 0;
    }

    HWND Dialog() const { return window_->Dialog(); }
    HWND Control(EditSelControl c) const { return window_->Control(c); }
    void Click(EditSelControl button) const { SendMessageW(Control(button), BM_CLICK, 0, 0); }

    foundation::UniqueWindow owner_;
    std::unique_ptr<Win32EditSelWindow> window_;
};

TEST_F(EditSelWindowTest, IsASizableOwnedDialogWithEditingFocusedAndOwnerDisabledWhileShown) {
    EditSel editSel(*window_);
    HWND focused = nullptr;
    bool ownerEnabledWhileShown = true;
    WhileShown({[&] {
        focused = GetFocus();
        ownerEnabledWhileShown = IsWindowEnabled(owner_.get()) != FALSE;
        Click(EditSelControl::CancelButton);
    }});
    EXPECT_EQ(editSel.Show_Edit("text", "description"), std::nullopt);
    ASSERT_NE(Dialog(), nullptr);
    EXPECT_EQ(focused, Control(EditSelControl::Editing));
    EXPECT_FALSE(ownerEnabledWhileShown);
    EXPECT_TRUE(IsWindowEnabled(owner_.get()));
    EXPECT_FALSE(IsWindowVisible(Dialog()));
    EXPECT_EQ(GetWindow(Dialog(), GW_OWNER), owner_.get());
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(Dialog(), GWL_STYLE));
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
              static_cast<DWORD>(WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_EQ(GetWindowLongPtrW(Dialog(), GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
    EXPECT_EQ(TextOf(Dialog()), L"Edit Selection");
    EXPECT_EQ(TextOf(Control(EditSelControl::OKButton)), L"&Ok");
    EXPECT_EQ(TextOf(Control(EditSelControl::CancelButton)), L"&Cancel");
    EXPECT_EQ(TextOf(Control(EditSelControl::Label1)), L"Tool Tip Description:");
    const auto editing = static_cast<DWORD>(GetWindowLongPtrW(Control(EditSelControl::Editing), GWL_STYLE));
    EXPECT_EQ(editing & (ES_MULTILINE | ES_WANTRETURN | WS_HSCROLL | WS_VSCROLL),
              static_cast<DWORD>(ES_MULTILINE | ES_WANTRETURN | WS_HSCROLL | WS_VSCROLL));
}

// The controls where the layout's arithmetic puts them, worked out here from the client
// area alone, at this screen's twips per pixel.
TEST_F(EditSelWindowTest, ControlsFollowTheResizeArithmeticAtEverySize) {
    const slotpad::win32::Win32Screen screen;
    const int tx = screen.TwipsPerPixelX();
    const int ty = screen.TwipsPerPixelY();
    auto px = [&](int l, int t, int w, int h) {
        const slotpad::PixelRect r = slotpad::To_Pixels({l, t, w, h}, tx, ty);
        return RECT{r.Left, r.Top, r.Right, r.Bottom};
    };
    EditSel editSel(*window_);
    struct Case {
        int width, height;
    };
    const Case sizes[] = {{400, 300}, {900, 700}, {160, 120}, {600, 90}, {320, 240}};
    std::vector<std::function<void()>> steps;
    int checked = 0;
    for (const Case size : sizes) {
        steps.push_back([&, size] {
            SetWindowPos(Dialog(), nullptr, 40, 40, size.width, size.height, SWP_NOZORDER);
        });
        steps.push_back([&, size] {
            RECT client{};
            GetClientRect(Dialog(), &client);
            const int SW = client.right * tx;
            const int SH = client.bottom * ty;
            SCOPED_TRACE(testing::Message() << "window " << size.width << "x" << size.height << ", client "
                                            << SW << "x" << SH << " twips");
            const int editingHeight = std::max(SH - 375 - 375 - 15, 0);
            const int tipBackTop = SH - 375 - 375 - 10;
            const int buttonsTop = SH - 375 - 5;
            const int cancelLeft = SW - 975 - 5;
            const int okLeft = cancelLeft - 975 - 5;
            const std::pair<EditSelControl, RECT> expected[] = {
                {EditSelControl::Editing, px(0, 0, SW, editingHeight)},
                {EditSelControl::TipBack, px(0, tipBackTop, SW, 375)},
                {EditSelControl::Label1, px(60, 60, 1575, 255)},
                {EditSelControl::Tip, px(1680, 0, std::max(SW - 1680, 0), 375)},
                {EditSelControl::OKButton, px(okLeft, buttonsTop, 975, 375)},
                {EditSelControl::CancelButton, px(cancelLeft, buttonsTop, 975, 375)},
            };
            for (const auto& [control, want] : expected) {
                const RECT got = RectIn(Control(control));
                EXPECT_TRUE(EqualRect(&got, &want))
                    << "control " << static_cast<int>(control) << ": got " << got.left << "," << got.top << " "
                    << got.right - got.left << "x" << got.bottom - got.top << ", want " << want.left << ","
                    << want.top << " " << want.right - want.left << "x" << want.bottom - want.top;
            }
            ++checked;
        });
    }
    steps.push_back([&] { Click(EditSelControl::CancelButton); });
    WhileShown(steps);
    editSel.Show_Edit("", "");
    EXPECT_EQ(checked, static_cast<int>(std::size(sizes)));
}

TEST_F(EditSelWindowTest, OkHandsBackTheEditsAndEscAndTheCloseBoxCancel) {
    EditSel editSel(*window_);
    auto edit = [&] {
        SetWindowTextW(Control(EditSelControl::Editing), L"new text");
        SetWindowTextW(Control(EditSelControl::Tip), L"new tip");
    };
    struct Way {
        const char* name;
        std::function<void()> close;
        bool ok;
    };
    const Way ways[] = {
        {"OK", [&] { Click(EditSelControl::OKButton); }, true},
        {"Esc in Editing", [&] { PostMessageW(Control(EditSelControl::Editing), WM_KEYDOWN, VK_ESCAPE, 1); }, false},
        {"Esc in Tip",
         [&] {
             SetFocus(Control(EditSelControl::Tip));
             PostMessageW(Control(EditSelControl::Tip), WM_KEYDOWN, VK_ESCAPE, 1);
         },
         false},
        {"close box", [&] { PostMessageW(Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0); }, false},
        {"Cancel", [&] { Click(EditSelControl::CancelButton); }, false},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        WhileShown({edit, way.close});
        const std::optional<EditedSlot> result = editSel.Show_Edit("old text", "old tip");
        EXPECT_FALSE(IsWindowVisible(Dialog()));
        if (way.ok)
            EXPECT_EQ(result, (EditedSlot{"new text", "new tip"}));
        else
            EXPECT_EQ(result, std::nullopt);
    }
}

TEST_F(EditSelWindowTest, EnterInEditingMakesANewLineAndInTipPressesNothing) {
    EditSel editSel(*window_);
    bool stillShown = false;
    WhileShown({
        [&] {
            const HWND box = Control(EditSelControl::Editing);
            SendMessageW(box, EM_SETSEL, 2, 2);
            // The dialog's loop translates the key into its character, as for a real key press.
            PostMessageW(box, WM_KEYDOWN, VK_RETURN, 1);
            PostMessageW(box, WM_KEYUP, VK_RETURN, 0xC0000001);
        },
        [&] {
            const HWND tip = Control(EditSelControl::Tip);
            SetFocus(tip);
            PostMessageW(tip, WM_KEYDOWN, VK_RETURN, 1);
            PostMessageW(tip, WM_KEYUP, VK_RETURN, 0xC0000001);
        },
        [&] {
            stillShown = IsWindowVisible(Dialog()) != FALSE;
            Click(EditSelControl::OKButton);
        },
    });
    const auto result = editSel.Show_Edit("abcd", "tip");
    EXPECT_TRUE(stillShown);
    EXPECT_EQ(result, (EditedSlot{"ab\r\ncd", "tip"}));
}

TEST_F(EditSelWindowTest, LoneLineEndsShowAsLinesAndAnUnchangedTextComesBackExactly) {
    EditSel editSel(*window_);
    const std::string texts[] = {"one\ntwo\nthree", "one\rtwo\rthree", "one\r\ntwo\r\nthree", "one\ntwo\r\nthree\n"};
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        LRESULT lines = 0;
        WhileShown({[&] {
            lines = SendMessageW(Control(EditSelControl::Editing), EM_GETLINECOUNT, 0, 0);
            Click(EditSelControl::OKButton);
        }});
        const auto result = editSel.Show_Edit(text, "");
        EXPECT_GE(lines, 3);
        EXPECT_EQ(result, (EditedSlot{text, ""}));
    }
}

// A box's text is at most 65,535 bytes: an edit past that is refused whole, one that
// fits goes through.
TEST_F(EditSelWindowTest, EditsBeyondTheLimitAreRefusedAndEditsThatFitGoThrough) {
    EditSel editSel(*window_);
    struct Case {
        const char* name;
        EditSelControl box;
        std::size_t length;  // of the box's text before the edit
        std::wstring pasted;  // empty: type one character instead
        bool fits;
    };
    const Case cases[] = {
        {"paste into Editing past the limit", EditSelControl::Editing, 65000, std::wstring(536, L'p'), false},
        {"paste into Editing up to the limit", EditSelControl::Editing, 65000, std::wstring(535, L'p'), true},
        {"paste into Tip past the limit", EditSelControl::Tip, 65535, L"x", false},
        {"paste into Tip that fits", EditSelControl::Tip, 60000, std::wstring(5535, L'p'), true},
        {"typing in a full Editing", EditSelControl::Editing, 65535, L"", false},
        {"typing in Editing below the limit", EditSelControl::Editing, 65534, L"", true},
        {"typing in a full Tip", EditSelControl::Tip, 65535, L"", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string before(c.length, 'a');
        std::size_t after = 0;
        if (!c.pasted.empty()) PutOnClipboard(c.pasted);
        WhileShown({
            [&] {
                const HWND box = Control(c.box);
                SetFocus(box);
                SendMessageW(box, EM_SETSEL, 0x7FFFFFFF, 0x7FFFFFFF);
                if (c.pasted.empty())
                    PostMessageW(box, WM_CHAR, L'z', 1);
                else
                    SendMessageW(box, WM_PASTE, 0, 0);
            },
            [&] {
                after = static_cast<std::size_t>(GetWindowTextLengthW(Control(c.box)));
                Click(EditSelControl::CancelButton);
            },
        });
        const bool isTip = c.box == EditSelControl::Tip;
        editSel.Show_Edit(isTip ? "" : before, isTip ? before : "");
        const std::size_t added = c.pasted.empty() ? 1 : c.pasted.size();
        EXPECT_EQ(after, c.fits ? c.length + added : c.length);
    }
}

TEST_F(EditSelWindowTest, KeepsItsSizeAndPlaceBetweenUses) {
    EditSel editSel(*window_);
    WhileShown({[&] { SetWindowPos(Dialog(), nullptr, 77, 55, 520, 410, SWP_NOZORDER); },
                [&] { Click(EditSelControl::CancelButton); }});
    editSel.Show_Edit("first", "");
    RECT second{};
    RECT editing{};
    WhileShown({[&] {
        GetWindowRect(Dialog(), &second);
        editing = RectIn(Control(EditSelControl::Editing));
        Click(EditSelControl::OKButton);
    }});
    EXPECT_EQ(editSel.Show_Edit("second", "d"), (EditedSlot{"second", "d"}));
    EXPECT_EQ(second.left, 77);
    EXPECT_EQ(second.top, 55);
    EXPECT_EQ(second.right - second.left, 520);
    EXPECT_EQ(second.bottom - second.top, 410);
    RECT client{};
    GetClientRect(Dialog(), &client);
    EXPECT_EQ(editing.right, client.right);
}

}  // namespace
