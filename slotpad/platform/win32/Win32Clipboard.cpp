#include "slotpad/platform/win32/Win32Clipboard.h"

#include <algorithm>
#include <cstring>

#include "win32/Handles.h"

namespace slotpad::win32 {

namespace {

// Another program may hold the clipboard open for a moment (it is reading or writing);
// a few short retries ride that out without ever blocking the window for long.
constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenRetryMs = 5;
// How long a read waits for an owner that renders on request.
constexpr DWORD kRenderWaitMs = 1000;

class OpenClipboardScope : public foundation::ClipboardOpen {
public:
    explicit OpenClipboardScope(HWND owner) : ClipboardOpen(owner, kOpenAttempts, kOpenRetryMs) {}
};

using foundation::GlobalLockScope;

// The markers clipboard managers honour for content that must not be recorded. Formats
// are registered once: every capture asks for them.
struct PrivateFormats {
    UINT viewerIgnore = RegisterClipboardFormatA("Clipboard Viewer Ignore");
    UINT excludeFromMonitors = RegisterClipboardFormatA("ExcludeClipboardContentFromMonitorProcessing");
    UINT history = RegisterClipboardFormatA("CanIncludeInClipboardHistory");
};

const PrivateFormats& Markers() {
    static const PrivateFormats formats;
    return formats;
}


}  // namespace

bool Win32Clipboard::HasText() { return IsClipboardFormatAvailable(CF_TEXT) != FALSE; }

bool Win32Clipboard::IsPrivate() {
    // One look at every format on the clipboard: each query of a single format costs
    // about as much as this whole list.
    UINT formats[256];
    UINT count = 0;
    if (!GetUpdatedClipboardFormats(formats, 256, &count)) return false;
    const PrivateFormats& markers = Markers();
    bool history = false;
    for (UINT i = 0; i < count; ++i) {
        const UINT f = formats[i];
        if (f == 0) continue;
        if (f == markers.viewerIgnore || f == markers.excludeFromMonitors) return true;
        if (f == markers.history) history = true;
    }
    if (!history) return false;
    const auto data = reader_.Read(markers.history, kRenderWaitMs);
    if (!data) return true;  // cannot tell: better not to record it
    if (data->size() < sizeof(DWORD)) return false;
    DWORD allowed = 0;
    std::memcpy(&allowed, data->data(), sizeof(allowed));
    return allowed == 0;
}

std::optional<std::string> Win32Clipboard::GetText() {
    auto text = reader_.Read(CF_TEXT, kRenderWaitMs);
    // The text ends at its zero, but never trust it to be there: stay inside the block.
    if (text) text->resize(std::min(text->size(), text->find('\0')));
    return text;
}

uint32_t Win32Clipboard::SequenceNumber() { return GetClipboardSequenceNumber(); }

bool Win32Clipboard::Clear() {
    OpenClipboardScope open(owner_);
    return open && EmptyClipboard();
}

bool Win32Clipboard::SetText(std::string_view text) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!block) return false;
    {
        GlobalLockScope lock(block);
        if (!lock.get()) {
            GlobalFree(block);
            return false;
        }
        std::memcpy(lock.get(), text.data(), text.size());
        static_cast<char*>(lock.get())[text.size()] = '\0';
    }
    OpenClipboardScope open(owner_);
    if (!open || !EmptyClipboard() || !SetClipboardData(CF_TEXT, block)) {
        GlobalFree(block);
        return false;
    }
    return true;  // the clipboard owns the block now
}

}  // namespace slotpad::win32
