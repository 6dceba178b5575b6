#pragma once
// The system clipboard, in the standard 8-bit text format.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace slotpad {

class Clipboard {
public:
    virtual ~Clipboard() = default;

    // True when the clipboard offers text.
    virtual bool HasText() = 0;

    // True when the clipboard's owner asked clipboard monitors not to record the content
    // (password managers do this).
    virtual bool IsPrivate() = 0;

    // The text on the clipboard, up to its terminating zero; nullopt when the clipboard
    // cannot be opened or holds no text.
    virtual std::optional<std::string> GetText() = 0;

    // The clipboard's sequence number: it moves with every change of the content.
    virtual uint32_t SequenceNumber() = 0;

    // Empties the clipboard and takes ownership of it.
    virtual bool Clear() = 0;

    // Puts `text` on the clipboard. The clipboard viewers hear of the change before this
    // returns.
    virtual bool SetText(std::string_view text) = 0;
};

}  // namespace slotpad
