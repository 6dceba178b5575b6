#include "slotpad/capture/HeldCapture.h"

namespace slotpad {

void HeldCapture::Leave() noexcept {
    --depth_;
    try {
        if (changed_) {
            changed_ = false;
            read_ = true;
            text_ = capture_.Capturable_Text();
        }
        if (depth_ > 0 || !read_) return;
        read_ = false;
        const std::optional<std::string> text = std::move(text_);
        text_.reset();
        if (text) capture_.Add_To_Clipboard(*text, false);
    } catch (...) {
        // Like any capture that fails, the held change is dropped without a word.
        read_ = false;
        text_.reset();
    }
}

}  // namespace slotpad
