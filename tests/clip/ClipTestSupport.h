#pragma once
// Shared pieces of the CLIP.OCX tests: the control's identifiers (written out here, so
// that a wrong one in the library shows), the library under test, message pumping with
// bounded waits, clipboard writes, helper processes and test windows.

#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "win32/WindowBase.h"

namespace cliptest {

inline constexpr GUID kLibId = {0x00AC9380, 0x5F99, 0x11D1, {0x9D, 0xED, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
inline constexpr IID kDispatchIid = {0x00AC9381, 0x5F99, 0x11D1, {0x9D, 0xED, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
inline constexpr IID kEventsIid = {0x00AC9382, 0x5F99, 0x11D1, {0x9D, 0xED, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
inline constexpr CLSID kClipClsid = {0x00AC9383, 0x5F99, 0x11D1, {0x9D, 0xED, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
inline constexpr CLSID kPropPageClsid = {0x00AC9384, 0x5F99, 0x11D1, {0x9D, 0xED, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
inline constexpr wchar_t kClipClsidText[] = L"{00AC9383-5F99-11D1-9DED-444553540000}";
inline constexpr wchar_t kPropPageClsidText[] = L"{00AC9384-5F99-11D1-9DED-444553540000}";
inline constexpr wchar_t kLibIdText[] = L"{00AC9380-5F99-11D1-9DED-444553540000}";
inline constexpr wchar_t kProgId[] = L"CLIP.ClipCtrl.1";

inline constexpr DISPID kStopViewer = 1;
inline constexpr DISPID kStartViewer = 2;
inline constexpr DISPID kNewClipboardElement = 1;
inline constexpr DWORD kMiscStatus = 0x00020193;
inline constexpr COLORREF kLightGray = RGB(192, 192, 192);

// The folder of the test programs, which also holds CLIP.OCX and the helper programs.
std::wstring BinDir();
std::wstring OcxPath();

// CLIP.OCX loaded by path, with its four exports.
class ClipLibrary {
public:
    ClipLibrary();
    ~ClipLibrary();
    ClipLibrary(const ClipLibrary&) = delete;
    ClipLibrary& operator=(const ClipLibrary&) = delete;

    HMODULE Module() const { return module_; }
    bool Loaded() const;
    HRESULT Register() const { return registerServer_(); }
    HRESULT Unregister() const { return unregisterServer_(); }
    HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** out) const { return getClassObject_(clsid, iid, out); }
    HRESULT CanUnloadNow() const { return canUnloadNow_(); }

private:
    HMODULE module_;
    HRESULT(STDAPICALLTYPE* registerServer_)() = nullptr;
    HRESULT(STDAPICALLTYPE* unregisterServer_)() = nullptr;
    HRESULT(STDAPICALLTYPE* getClassObject_)(REFCLSID, REFIID, void**) = nullptr;
    HRESULT(STDAPICALLTYPE* canUnloadNow_)() = nullptr;
};

// Dispatches every message waiting for this thread, sent or posted.
void PumpMessages();
// Pumps until `done` holds or `timeoutMs` passes; returns done().
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);
void PumpFor(DWORD ms);

// Runs `commandLine` while pumping this thread's messages; its exit code, or nullopt when
// it could not start or did not end within `timeoutMs` (it is then terminated).
std::optional<DWORD> RunProcess(const std::wstring& commandLine, DWORD timeoutMs);

// Clipboard changes made from this thread, with `owner` as the clipboard owner.
bool SetClipboardText(HWND owner, const char* text);
bool SetClipboardBinary(HWND owner);
bool EmptyClipboardContents(HWND owner);
// The registered clipboard format the tests use for data that is not text.
UINT BinaryClipboardFormat();

// A window whose messages go to `handler` first; what it does not answer goes to the
// default window procedure.
class TestWindow final : public foundation::WindowBase {
public:
    using Handler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;
    TestWindow(HWND parent, const RECT& rect, DWORD style, Handler handler = {});
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND Get() const { return hwnd_; }
    void Destroy();

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    Handler handler_;
};

// A 32-bit top-down bitmap in a memory device context, for reading back drawn pixels.
class Canvas {
public:
    Canvas(int width, int height, COLORREF fill);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    COLORREF Pixel(int x, int y) const;
    // Copies the client area of `window` as the screen shows it.
    void CaptureWindow(HWND window);

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    const DWORD* bits_ = nullptr;
};

// Bitmap 202 of the library as a canvas of its own size.
std::unique_ptr<Canvas> LoadFacePicture(HMODULE library);

std::string Narrow(const std::wstring& text);

}  // namespace cliptest
