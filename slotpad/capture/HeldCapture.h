#pragma once
// Clipboard changes held back while the main window runs a modal loop of its own (a
// pop-up menu, a drag, a message box, a dialog) and the command it leads to. A capture
// meanwhile could change the current slot or recycle the slot a command or a drop is
// about to act on. Each scope that ends reads the clipboard if it changed meanwhile, so
// the text is taken before the command writes its own; when the outermost scope ends,
// after the command has acted, the last text read is captured once, as if all the
// changes had come at once.

#include <optional>
#include <string>

#include "slotpad/capture/Capture.h"

namespace slotpad {

class HeldCapture {
public:
    explicit HeldCapture(Capture& capture) : capture_(capture) {}
    HeldCapture(const HeldCapture&) = delete;
    HeldCapture& operator=(const HeldCapture&) = delete;

    bool Holding() const { return depth_ > 0; }
    // A change reported while holding: it is read when the innermost scope ends.
    void Change_Arrived() { changed_ = true; }

    class Scope {
    public:
        explicit Scope(HeldCapture& held) : held_(held) { ++held_.depth_; }
        ~Scope() { held_.Leave(); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        HeldCapture& held_;
    };

private:
    void Leave() noexcept;

    Capture& capture_;
    int depth_ = 0;
    bool changed_ = false;
    bool read_ = false;
    std::optional<std::string> text_;
};

}  // namespace slotpad
