#pragma once
// Reads one clipboard format on a thread of its own. A format the owner renders only on
// request (delayed rendering) makes GetClipboardData wait for the owner; an owner that is
// hung would hold the caller, with the clipboard open, for as long as it stays hung. Here
// the caller waits a bounded time, and an owner that does not answer at all is never
// asked to render, so the clipboard is not left open on its account.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace slotpad::win32 {

class ClipboardReader {
public:
    ClipboardReader();
    // A read still waiting for its owner is left to end on its own.
    ~ClipboardReader();
    ClipboardReader(const ClipboardReader&) = delete;
    ClipboardReader& operator=(const ClipboardReader&) = delete;

    // The bytes of `format` as the clipboard holds them; nullopt when it is not there, the
    // clipboard cannot be opened, or the owner did not render it within `waitMs`. After a
    // read was given up, further reads of the same clipboard content fail at once.
    std::optional<std::string> Read(UINT format, DWORD waitMs);

private:
    struct State;
    std::shared_ptr<State> state_;
};

}  // namespace slotpad::win32
