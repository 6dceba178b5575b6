#pragma once
// The base of every window of ours: registers its class once, binds the window procedure
// to HandleMessage through WM_NCCREATE and WM_NCDESTROY, reports a class or window that
// cannot be made, and stops every exception at the window procedure.

#include <windows.h>

namespace foundation {

struct WindowClass {
    const wchar_t* name;
    UINT style = 0;
    HICON icon = nullptr;
    HICON smallIcon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
};

struct WindowPlacement {
    DWORD exStyle = 0;
    DWORD style = 0;
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    int width = CW_USEDEFAULT;
    int height = CW_USEDEFAULT;
    HWND parent = nullptr;
};

class WindowBase {
public:
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;

    HWND hwnd() const { return hwnd_; }

    // Registers `windowClass` in `instance` unless it is there already; false (with the
    // failure reported) when it cannot be registered.
    static bool RegisterWindowClass(HINSTANCE instance, const WindowClass& windowClass);

protected:
    WindowBase() = default;
    // Destroys the window if it is still there; the derived part is gone by then, so its
    // last messages go to DefWindowProc.
    virtual ~WindowBase();

    // Registers the class if needed and creates the window; false (with the failure
    // reported, naming the call) when either fails.
    bool CreateWindowOf(HINSTANCE instance, const WindowClass& windowClass, const wchar_t* title,
                        const WindowPlacement& placement);
    // Destroys the window now, while the derived object can still handle its last messages.
    void DestroyOwnWindow();

    // Every message after WM_NCCREATE and before WM_NCDESTROY.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // After WM_DESTROY has been handled, whoever destroyed the window: the object may
    // need to forget state that only made sense with a window.
    virtual void OnWindowDestroyed() {}
    // What the window procedure gives user32 when HandleMessage throws.
    virtual LRESULT FailedMessageResult(UINT message) const;

    HWND hwnd_ = nullptr;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace foundation
