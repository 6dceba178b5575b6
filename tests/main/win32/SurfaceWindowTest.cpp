// The back buffer behind a real window: Present puts it on screen at once, and WM_PAINT
// restores it however the window's pixels were lost.

#include <gtest/gtest.h>

#include "slotpad/platform/win32/panel/DibCanvas.h"
#include "tests/main/win32/PanelRig.h"

namespace slotpad::testing {
namespace {

win32::Win32DrawingSurface* g_painted = nullptr;

LRESULT CALLBACK PanelWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(window, &ps);
            if (g_painted) g_painted->PaintTo(dc, ps.rcPaint);
            EndPaint(window, &ps);
            return 0;
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// What the window shows, read back from its DC.
std::vector<COLORREF> WindowPixels(HWND window, int width, int height) {
    win32::DibCanvas copy;
    copy.Reset(width, height);
    foundation::gdi::WindowDC dc(window);
    BitBlt(copy.dc(), 0, 0, width, height, dc.get(), 0, 0, SRCCOPY);
    return copy.Pixels();
}

std::vector<COLORREF> Crop(const std::vector<COLORREF>& pixels, int stride, int width, int height) {
    std::vector<COLORREF> out;
    for (int y = 0; y < height; ++y)
        out.insert(out.end(), pixels.begin() + y * stride, pixels.begin() + y * stride + width);
    return out;
}

class WindowClass {
public:
    WindowClass() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = PanelWindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"SlotPadPanelTest";
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        RegisterClassW(&wc);
    }
    ~WindowClass() { UnregisterClassW(L"SlotPadPanelTest", GetModuleHandleW(nullptr)); }
};

TEST(SurfaceWindow, PresentShowsTheBufferAndPaintingRestoresIt) {
    WindowClass windowClass;
    const int width = 232, height = 71;
    HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, L"SlotPadPanelTest", L"panel", WS_POPUP | WS_VISIBLE, 10, 10,
                                  width, height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    PumpMessages();
    {
        win32::Win32DrawingSurface surface(window);
        ASSERT_EQ(surface.BufferWidth(), width);
        ASSERT_EQ(surface.BufferHeight(), height);
        g_painted = &surface;

        FormScreen screen;
        FakeMainWindow fake(screen);
        fake.clientWidth = width;
        fake.clientHeight = height;
        SlotList list;
        Settings settings;
        for (const char* text : {"one", "two", "three"}) {
            int16_t node = NO_FREE_NODE;
            list.Insert_Node(SlotRecord{VB_FALSE, text, {}}, POS_BOTTOM, node);
        }
        settings.CurSlot = 1;
        SlotPanel panel(list, settings, fake, screen, surface);
        panel.ResizeStuff();
        panel.NonClientHeight = static_cast<int16_t>(fake.NonClientTwips());
        panel.Load_Pictures();
        panel.Form_Resize();
        ASSERT_EQ(fake.clientHeight, height);

        const std::vector<COLORREF> buffer = Crop(surface.Pixels(), surface.BufferWidth(), width, height);
        EXPECT_EQ(WindowPixels(window, width, height), buffer) << "after Present, before any WM_PAINT";

        // Lose the window's pixels, then let it repaint from the buffer.
        {
            foundation::gdi::WindowDC dc(window);
            RECT all{0, 0, width, height};
            FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        }
        ASSERT_NE(WindowPixels(window, width, height), buffer);
        InvalidateRect(window, nullptr, TRUE);
        UpdateWindow(window);
        EXPECT_EQ(WindowPixels(window, width, height), buffer) << "after WM_PAINT";

        // Growing keeps what was painted and shows background in the new area.
        surface.Resize(width + 40, height + 30);
        EXPECT_EQ(Crop(surface.Pixels(), surface.BufferWidth(), width, height), buffer);
        EXPECT_EQ(surface.PixelAt(width + 20, height + 10), GetSysColor(COLOR_BTNFACE));
        g_painted = nullptr;
    }
    DestroyWindow(window);
    PumpMessages();
}

}  // namespace
}  // namespace slotpad::testing
