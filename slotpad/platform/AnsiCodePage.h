#pragma once
// The system's 8-bit (ANSI) code page, as far as comparing texts in it needs: which
// bytes begin a two-byte character, and the system's own upper case of a one-byte one.

namespace slotpad {

class AnsiCodePage {
public:
    virtual ~AnsiCodePage() = default;
    virtual unsigned Id() const = 0;
    // A byte that begins a two-byte character (only in code pages such as 932 or 936).
    virtual bool IsLeadByte(unsigned char byte) const = 0;
    // The upper case of the one-byte character `byte`; itself when it has none.
    virtual unsigned char UpperOf(unsigned char byte) const = 0;
};

}  // namespace slotpad
