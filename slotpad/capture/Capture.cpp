#include "slotpad/capture/Capture.h"

namespace slotpad {

namespace {

bool IsNode(int16_t n) { return n >= 0 && n < MAX_NODES; }

class IgnoreClipScope {
public:
    explicit IgnoreClipScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~IgnoreClipScope() { flag_ = false; }
    IgnoreClipScope(const IgnoreClipScope&) = delete;
    IgnoreClipScope& operator=(const IgnoreClipScope&) = delete;

private:
    bool& flag_;
};

}  // namespace

Capture::Capture(SlotBook& book, Clipboard& clipboard) : book_(book), clipboard_(clipboard) {}

void Capture::Clip_NewClipboardElement() {
    if (ignoreClip_) return;
    if (const auto text = Capturable_Text()) Add_To_Clipboard(*text, false);
}

std::optional<std::string> Capture::Capturable_Text() {
    if (!clipboard_.HasText() || clipboard_.IsPrivate()) return std::nullopt;
    auto text = clipboard_.GetText();
    if (!text || text->empty() || text->size() > MaxTextBytes) return std::nullopt;
    return text;
}

void Capture::Add_To_Clipboard(const std::string& Str, bool ForceAdd) {
    if (Str.empty()) return;

    const int16_t Match = ForceAdd ? -1 : Find_Match(Str);
    if (Match >= 0) {
        if (Str != book_.Record(Match).Text) {
            // Same text in other letter case: the slot takes the newest spelling.
            book_.Respell(Match, Str);
            return;
        }
        if (book_.CurSlot() == Match) return;
        book_.Select(Match);
        return;
    }

    SlotRecord Rec{VB_FALSE, Str, DescriptionOf(Str)};
    int16_t target = FindBlankSlot();
    if (target == NIL_NODE) target = FindPlacementTarget();

    const int16_t mode = book_.CurrentSettings().AddMode;
    if (mode == POS_TOP || mode == POS_BOTTOM) {
        // The recycled slot leaves its place and the element enters at the chosen end,
        // reusing the freed node. Only an empty list has no target.
        if (!IsNode(target) && book_.List().LastPos >= 0) return;
        book_.Reinsert(target, Rec, mode);
    } else {
        if (!IsNode(target)) return;
        book_.Overwrite(target, std::move(Rec));
    }
}

int16_t Capture::Find_Match(const std::string& Str) const {
    const SlotList& list = book_.List();
    int16_t Result = -1;
    int16_t n = list.HeadNode;
    for (int i = 0; i <= list.LastPos && IsNode(n); ++i) {
        const std::string& text = list.Nodes[n].Slot.Text;
        const bool equal = book_.CurrentSettings().IgnoreCase == 1 ? fold_.Equal(Str, text) : Str == text;
        if (equal) {
            Result = n;
            if (n == book_.CurSlot()) break;
        }
        n = list.Nodes[n].NextNode;
    }
    return Result;
}

void Capture::Select_Item(int16_t Pos, bool Refresh) {
    if (Pos == NIL_NODE) return;
    // Without Refresh the caller shows the change with its own next one.
    book_.Select(Pos, false);
    if (Pos >= 0) {
        if (!IsNode(Pos)) return;
        // The clip control reports our own write before SetText returns; the flag keeps
        // that report from being captured as a new element.
        IgnoreClipScope ignore(ignoreClip_);
        if (!clipboard_.Clear()) return;
        if (!clipboard_.SetText(book_.Record(Pos).Text)) return;
    }
    if (Refresh) book_.Select(Pos);
}

int16_t Capture::FindBlankSlot() const {
    const SlotList& list = book_.List();
    int16_t n = list.HeadNode;
    for (int i = 0; i <= list.LastPos && IsNode(n); ++i) {
        if (book_.Is_Blank(n)) return n;
        n = list.Nodes[n].NextNode;
    }
    return NIL_NODE;
}

int16_t Capture::FindPlacementTarget() const {
    const SlotList& list = book_.List();
    switch (book_.CurrentSettings().AddMode) {
        case POS_TOP: {
            int16_t n = list.TailNode;
            for (int steps = 0; IsNode(n) && steps < MAX_NODES; ++steps) {
                if (list.Nodes[n].Slot.Locked == VB_FALSE) return n;
                n = list.Nodes[n].PrevNode;
            }
            return list.TailNode;
        }
        case POS_BOTTOM:
            return SearchDownForUnlocked(list.HeadNode);
        default:
            // With no current slot the next available slot is searched from the top.
            return SearchDownForUnlocked(IsNode(book_.CurSlot()) ? list.Nodes[book_.CurSlot()].NextNode
                                                                   : list.HeadNode);
    }
}

// Downward search that wraps once to the top; a second run off the bottom (every slot
// locked) takes the bottom slot.
int16_t Capture::SearchDownForUnlocked(int16_t start) const {
    const SlotList& list = book_.List();
    int16_t n = start;
    int runsOffBottom = 0;
    for (int steps = 0; steps < 3 * MAX_NODES; ++steps) {
        if (!IsNode(n)) {
            if (++runsOffBottom == 2) break;
            n = list.HeadNode;
            continue;
        }
        if (list.Nodes[n].Slot.Locked == VB_FALSE) return n;
        n = list.Nodes[n].NextNode;
    }
    return list.TailNode;
}

}  // namespace slotpad
