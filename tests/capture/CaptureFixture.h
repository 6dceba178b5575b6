#pragma once
// The capture code over a slot book, with an in-memory clipboard wired to it.

#include "slotpad/capture/Capture.h"
#include "tests/support/MemoryClipboard.h"
#include "tests/support/SlotBookFixture.h"

namespace slotpad::testing {

class CaptureFixture : public SlotBookFixture {
protected:
    CaptureFixture() {
        clipboard.onChange = [this] { capture.Clip_NewClipboardElement(); };
    }

    MemoryClipboard clipboard;
    Capture capture{book, clipboard};
};

}  // namespace slotpad::testing
