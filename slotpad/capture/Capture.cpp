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

Capture::Capture(SlotList& list, Settings& settings, Clipboard& clipboard, const SlotRecord& blankSlot,
                 PanelRefresh& panel)
    : list_(list), settings_(settings), clipboard_(clipboard), blankSlot_(blankSlot), panel_(panel) {}

void Capture::Clip_NewClipboardElement() {
    if (ignoreClip_) return;
    if (!clipboard_.HasText() || clipboard_.IsPrivate()) return;
    const auto text = clipboard_.GetText();
    if (!text || text->size() > MaxTextBytes) return;
    Add_To_Clipboard(*text, false);
}

void Capture::Add_To_Clipboard(const std::string& Str, bool ForceAdd) {
    if (Str.empty()) return;

    const int16_t Match = ForceAdd ? -1 : Find_Match(Str);
    if (Match >= 0) {
        SlotRecord& slot = list_.Nodes[Match].Slot;
        if (Str != slot.Text) {
            // Same text in other letter case: the slot takes the newest spelling.
            slot.Text = Str;
            settings_.CurSlot = Match;
            panel_.Refresh_Pics();
            return;
        }
        if (settings_.CurSlot == Match) return;
        settings_.CurSlot = Match;
        panel_.Refresh_Pics();
        return;
    }

    SlotRecord Rec{VB_FALSE, Str, DescriptionOf(Str)};
    int16_t target = FindBlankSlot();
    if (target == NIL_NODE) target = FindPlacementTarget();

    const int16_t mode = settings_.AddMode;
    if (mode == POS_TOP || mode == POS_BOTTOM) {
        // The recycled slot leaves its place and the element enters at the chosen end,
        // reusing the freed node. Only an empty list has no target.
        if (IsNode(target)) {
            list_.Remove_Node(target);
        } else if (list_.LastPos >= 0) {
            return;
        }
        int16_t newNode = NIL_NODE;
        if (list_.Insert_Node(Rec, mode, newNode)) settings_.CurSlot = newNode;
    } else {
        if (!IsNode(target)) return;
        list_.Nodes[target].Slot = std::move(Rec);
        settings_.CurSlot = target;
    }
    panel_.Refresh_Pics();
}

int16_t Capture::Find_Match(const std::string& Str) const {
    int16_t Result = -1;
    int16_t n = list_.HeadNode;
    for (int i = 0; i <= list_.LastPos && IsNode(n); ++i) {
        const std::string& text = list_.Nodes[n].Slot.Text;
        const bool equal = settings_.IgnoreCase == 1 ? fold_.Equal(Str, text) : Str == text;
        if (equal) {
            Result = n;
            if (n == settings_.CurSlot) break;
        }
        n = list_.Nodes[n].NextNode;
    }
    return Result;
}

void Capture::Select_Item(int16_t Pos, bool Refresh) {
    if (Pos == NIL_NODE) return;
    settings_.CurSlot = Pos;
    if (Pos >= 0) {
        if (!IsNode(Pos)) return;
        // The clip control reports our own write before SetText returns; the flag keeps
        // that report from being captured as a new element.
        IgnoreClipScope ignore(ignoreClip_);
        if (!clipboard_.Clear()) return;
        if (!clipboard_.SetText(list_.Nodes[Pos].Slot.Text)) return;
    }
    if (Refresh) panel_.Refresh_Pics();
}

void Capture::Verify_Locks() {
    int16_t n = list_.HeadNode;
    for (int i = 0; i <= list_.LastPos && IsNode(n); ++i) {
        if (list_.Nodes[n].Slot.Locked == VB_FALSE) return;
        n = list_.Nodes[n].NextNode;
    }
    int16_t newNode = NIL_NODE;
    list_.Insert_Node(blankSlot_, POS_BOTTOM, newNode);
    panel_.Form_Resize();
}

bool Capture::IsBlank(int16_t node) const { return list_.Nodes[node].Slot == blankSlot_; }

int16_t Capture::FindBlankSlot() const {
    int16_t n = list_.HeadNode;
    for (int i = 0; i <= list_.LastPos && IsNode(n); ++i) {
        if (IsBlank(n)) return n;
        n = list_.Nodes[n].NextNode;
    }
    return NIL_NODE;
}

int16_t Capture::FindPlacementTarget() const {
    switch (settings_.AddMode) {
        case POS_TOP: {
            int16_t n = list_.TailNode;
            for (int steps = 0; IsNode(n) && steps < MAX_NODES; ++steps) {
                if (list_.Nodes[n].Slot.Locked == VB_FALSE) return n;
                n = list_.Nodes[n].PrevNode;
            }
            return list_.TailNode;
        }
        case POS_BOTTOM:
            return SearchDownForUnlocked(list_.HeadNode);
        default:
            // With no current slot the next available slot is searched from the top.
            return SearchDownForUnlocked(IsNode(settings_.CurSlot) ? list_.Nodes[settings_.CurSlot].NextNode
                                                                   : list_.HeadNode);
    }
}

// Downward search that wraps once to the top; a second run off the bottom (every slot
// locked) takes the bottom slot.
int16_t Capture::SearchDownForUnlocked(int16_t start) const {
    int16_t n = start;
    int runsOffBottom = 0;
    for (int steps = 0; steps < 3 * MAX_NODES; ++steps) {
        if (!IsNode(n)) {
            if (++runsOffBottom == 2) break;
            n = list_.HeadNode;
            continue;
        }
        if (list_.Nodes[n].Slot.Locked == VB_FALSE) return n;
        n = list_.Nodes[n].NextNode;
    }
    return list_.TailNode;
}

}  // namespace slotpad
