#pragma once
// The active ANSI code page of the system (GetACP), with the system's own upper case.

#include "slotpad/platform/AnsiCodePage.h"

namespace slotpad::win32 {

class Win32AnsiCodePage final : public AnsiCodePage {
public:
    Win32AnsiCodePage();
    unsigned Id() const override { return id_; }
    bool IsLeadByte(unsigned char byte) const override;
    unsigned char UpperOf(unsigned char byte) const override;

private:
    unsigned id_;
};

}  // namespace slotpad::win32
