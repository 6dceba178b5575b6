#include "slotpad/platform/win32/Win32AnsiCodePage.h"

#include <windows.h>

namespace slotpad::win32 {

Win32AnsiCodePage::Win32AnsiCodePage() : id_(GetACP()) {}

bool Win32AnsiCodePage::IsLeadByte(unsigned char byte) const { return IsDBCSLeadByteEx(id_, byte) != 0; }

// Through UTF-16 rather than CharUpperBuffA, so that a capital the code page lacks
// (µ has only a Greek one) leaves the byte as it is instead of making it "?".
unsigned char Win32AnsiCodePage::UpperOf(unsigned char byte) const {
    const char in = static_cast<char>(byte);
    wchar_t wide = 0;
    if (MultiByteToWideChar(id_, MB_ERR_INVALID_CHARS, &in, 1, &wide, 1) != 1) return byte;
    CharUpperBuffW(&wide, 1);
    char out[2] = {};
    BOOL usedDefault = FALSE;
    if (WideCharToMultiByte(id_, WC_NO_BEST_FIT_CHARS, &wide, 1, out, 2, nullptr, &usedDefault) != 1 || usedDefault)
        return byte;
    return static_cast<unsigned char>(out[0]);
}

}  // namespace slotpad::win32
