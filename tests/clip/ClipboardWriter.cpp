// Changes the clipboard from a process of its own, for the tests of clipboard changes
// made by other programs:
//   clip_clipboard_writer text <text> | binary | empty
// Exits with 0 when the change was made.

#include <windows.h>

#include <cstring>
#include <string>

namespace {

bool OpenClipboardFor(HWND owner) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (OpenClipboard(owner)) return true;
        Sleep(20);
    }
    return false;
}

bool Put(UINT format, const void* data, size_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block) return false;
    std::memcpy(GlobalLock(block), data, size);
    GlobalUnlock(block);
    if (SetClipboardData(format, block)) return true;
    GlobalFree(block);
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const std::string mode = argv[1];
    // SetClipboardData needs an owner window once the clipboard has been emptied.
    HWND owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    if (!owner || !OpenClipboardFor(owner)) return 3;
    bool ok = EmptyClipboard() != FALSE;
    if (ok && mode == "text") {
        const char* text = argc > 2 ? argv[2] : "";
        ok = Put(CF_TEXT, text, std::strlen(text) + 1);
    } else if (ok && mode == "binary") {
        const unsigned char bytes[] = {0x00, 0xFF, 0x10, 0x20};
        ok = Put(RegisterClipboardFormatW(L"SlotPad.Test.Binary"), bytes, sizeof(bytes));
    } else if (mode != "empty") {
        ok = false;
    }
    ok = CloseClipboard() && ok;
    DestroyWindow(owner);
    return ok ? 0 : 4;
}
