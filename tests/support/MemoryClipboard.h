#pragma once
// An in-memory clipboard. Like the real one, it tells its viewer about a write before
// the write returns (through `onChange`), so tests see the program's own writes come
// back as clipboard events.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "slotpad/platform/Clipboard.h"

namespace slotpad::testing {

class MemoryClipboard : public Clipboard {
public:
    std::optional<std::string> text;   // nullopt: no text (empty, or another format)
    bool isPrivate = false;
    bool failWrites = false;
    int writes = 0;
    uint32_t sequence = 1;
    std::function<void()> onChange;
    // Another viewer ahead in the chain that rewrites what was written (a trimmer, a
    // converter): the viewers behind it are told of its text, not of ours.
    std::function<std::string(std::string_view)> rewriteAhead;

    // What another program does when it copies.
    void CopyFromOutside(std::optional<std::string> newText, bool privateContent = false) {
        text = std::move(newText);
        isPrivate = privateContent;
        Notify();
    }

    bool HasText() override { return text.has_value(); }
    bool IsPrivate() override { return isPrivate; }
    uint32_t SequenceNumber() override { return sequence; }
    std::optional<std::string> GetText() override { return text; }
    bool Clear() override {
        if (failWrites) return false;
        text.reset();
        isPrivate = false;
        ++writes;
        Notify();
        return true;
    }
    bool SetText(std::string_view newText) override {
        if (failWrites) return false;
        text = rewriteAhead ? rewriteAhead(newText) : std::string(newText);
        ++writes;
        Notify();
        return true;
    }

private:
    void Notify() {
        ++sequence;
        if (onChange) onChange();
    }
};

}  // namespace slotpad::testing
