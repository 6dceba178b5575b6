#pragma once
// The system clipboard in CF_TEXT, opened on behalf of the main window.

#include <windows.h>

#include "slotpad/platform/Clipboard.h"
#include "slotpad/platform/win32/ClipboardReader.h"

namespace slotpad::win32 {

class Win32Clipboard : public Clipboard {
public:
    // `owner` becomes the clipboard owner when the program writes.
    void SetOwner(HWND owner) { owner_ = owner; }

    bool HasText() override;
    bool IsPrivate() override;
    uint32_t SequenceNumber() override;
    std::optional<std::string> GetText() override;
    bool Clear() override;
    bool SetText(std::string_view text) override;

private:
    HWND owner_ = nullptr;
    ClipboardReader reader_;
};

}  // namespace slotpad::win32
