#include "tests/clip/ClipTestSupport.h"

#include <cstring>
#include <vector>

namespace cliptest {

std::wstring BinDir() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir = path;
    return dir.substr(0, dir.find_last_of(L"\\/"));
}

std::wstring OcxPath() { return BinDir() + L"\\CLIP.OCX"; }

namespace {
template <typename F>
F Export(HMODULE module, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
}  // namespace

ClipLibrary::ClipLibrary() : module_(LoadLibraryW(OcxPath().c_str())) {
    if (!module_) return;
    registerServer_ = Export<decltype(registerServer_)>(module_, "DllRegisterServer");
    unregisterServer_ = Export<decltype(unregisterServer_)>(module_, "DllUnregisterServer");
    getClassObject_ = Export<decltype(getClassObject_)>(module_, "DllGetClassObject");
    canUnloadNow_ = Export<decltype(canUnloadNow_)>(module_, "DllCanUnloadNow");
}

ClipLibrary::~ClipLibrary() {
    if (module_) FreeLibrary(module_);
}

bool ClipLibrary::Loaded() const {
    return module_ && registerServer_ && unregisterServer_ && getClassObject_ && canUnloadNow_;
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        PumpMessages();
        if (done()) return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= end) return done();
        const DWORD wait = static_cast<DWORD>(end - now < 20 ? end - now : 20);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT);
    }
}

void PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

std::optional<DWORD> RunProcess(const std::wstring& commandLine, DWORD timeoutMs) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::wstring line = commandLine;
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                        &process))
        return std::nullopt;
    CloseHandle(process.hThread);
    // The program's clipboard changes reach this thread's windows as sent messages:
    // they must be handled while waiting.
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    std::optional<DWORD> exitCode;
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        if (now >= end) break;
        const DWORD result = MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, static_cast<DWORD>(end - now),
                                                       QS_ALLINPUT);
        if (result == WAIT_OBJECT_0) {
            DWORD code = 0;
            GetExitCodeProcess(process.hProcess, &code);
            exitCode = code;
            break;
        }
        PumpMessages();
    }
    if (!exitCode) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hProcess);
    PumpMessages();
    return exitCode;
}

UINT BinaryClipboardFormat() { return RegisterClipboardFormatW(L"SlotPad.Test.Binary"); }

namespace {

bool OpenClipboardFor(HWND owner) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (OpenClipboard(owner)) return true;
        Sleep(20);
    }
    return false;
}

bool SetClipboardBytes(HWND owner, UINT format, const void* data, size_t size) {
    if (!OpenClipboardFor(owner)) return false;
    bool ok = EmptyClipboard() != FALSE;
    if (ok && data) {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
        ok = block != nullptr;
        if (ok) {
            std::memcpy(GlobalLock(block), data, size);
            GlobalUnlock(block);
            ok = SetClipboardData(format, block) != nullptr;
            if (!ok) GlobalFree(block);
        }
    }
    return CloseClipboard() && ok;
}

}  // namespace

bool SetClipboardText(HWND owner, const char* text) {
    return SetClipboardBytes(owner, CF_TEXT, text, std::strlen(text) + 1);
}

bool SetClipboardBinary(HWND owner) {
    const unsigned char bytes[] = {0x00, 0xFF, 0x10, 0x20};
    return SetClipboardBytes(owner, BinaryClipboardFormat(), bytes, sizeof(bytes));
}

bool EmptyClipboardContents(HWND owner) { return SetClipboardBytes(owner, 0, nullptr, 0); }

namespace {
constexpr wchar_t kTestWindowClass[] = L"ClipTestWindow";
}

TestWindow::TestWindow(HWND parent, const RECT& rect, DWORD style, Handler handler) : handler_(std::move(handler)) {
    const foundation::WindowClass windowClass{.name = kTestWindowClass,
                                              .background = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))};
    CreateWindowOf(GetModuleHandleW(nullptr), windowClass, L"CLIP test",
                   {.style = style,
                    .x = rect.left,
                    .y = rect.top,
                    .width = rect.right - rect.left,
                    .height = rect.bottom - rect.top,
                    .parent = parent});
}

TestWindow::~TestWindow() { Destroy(); }

void TestWindow::Destroy() { DestroyOwnWindow(); }

LRESULT TestWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (handler_) {
        if (auto answer = handler_(hwnd_, message, wParam, lParam)) return *answer;
    }
    return WindowBase::HandleMessage(message, wParam, lParam);
}

Canvas::Canvas(int width, int height, COLORREF fill) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<const DWORD*>(bits);
    previous_ = SelectObject(dc_, bitmap_);
    HBRUSH brush = CreateSolidBrush(fill);
    RECT all{0, 0, width, height};
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
}

Canvas::~Canvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

COLORREF Canvas::Pixel(int x, int y) const {
    GdiFlush();
    const DWORD bgrx = bits_[y * width_ + x];
    return RGB((bgrx >> 16) & 0xFF, (bgrx >> 8) & 0xFF, bgrx & 0xFF);
}

void Canvas::CaptureWindow(HWND window) {
    HDC source = GetDC(window);
    BitBlt(dc_, 0, 0, width_, height_, source, 0, 0, SRCCOPY);
    ReleaseDC(window, source);
}

std::unique_ptr<Canvas> LoadFacePicture(HMODULE library) {
    HBITMAP face = LoadBitmapW(library, MAKEINTRESOURCEW(202));
    if (!face) return nullptr;
    BITMAP header{};
    GetObjectW(face, sizeof(header), &header);
    auto canvas = std::make_unique<Canvas>(header.bmWidth, header.bmHeight, RGB(1, 2, 3));
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(source, face);
    BitBlt(canvas->Dc(), 0, 0, header.bmWidth, header.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
    DeleteObject(face);
    return canvas;
}

std::string Narrow(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string result(size > 0 ? size - 1 : 0, '\0');
    if (size > 1) WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, result.data(), size, nullptr, nullptr);
    return result;
}

}  // namespace cliptest
