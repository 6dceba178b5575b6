#include "slotpad/dialogs/BoxText.h"

namespace slotpad {

LineEnd Line_End_Of(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') return LineEnd::Lf;
        if (text[i] == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
                continue;
            }
            return LineEnd::Cr;
        }
    }
    return LineEnd::CrLf;
}

std::string With_Crlf_Line_Ends(std::string_view text) { return With_Line_Ends(text, LineEnd::CrLf); }

std::string With_Line_Ends(std::string_view text, LineEnd lineEnd) {
    const std::string_view end = lineEnd == LineEnd::CrLf ? "\r\n" : lineEnd == LineEnd::Lf ? "\n" : "\r";
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += end;
        } else if (c == '\n') {
            out += end;
        } else {
            out += c;
        }
    }
    return out;
}

namespace {

std::size_t Crlf_Pairs(std::string_view text) {
    std::size_t pairs = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '\r' && text[i + 1] == '\n') {
            ++pairs;
            ++i;
        }
    return pairs;
}

}  // namespace

namespace {

// A text box ends its text at a NUL, which would lose the rest of a text that the user
// never even saw; a space shows that something is there.
std::string Displayable(std::string text) {
    for (char& c : text)
        if (c == '\0') c = ' ';
    return text;
}

}  // namespace

BoxText::BoxText(std::string original, bool multiLine)
    : original_(std::move(original)),
      shown_(Displayable(multiLine ? With_Crlf_Line_Ends(original_) : original_)),
      multiLine_(multiLine),
      lineEnd_(multiLine ? Line_End_Of(original_) : LineEnd::CrLf) {}

std::string BoxText::Handed_Back(const std::string& boxText) const {
    if (boxText == shown_) return original_;
    if (!multiLine_ || lineEnd_ == LineEnd::CrLf) return boxText;
    return With_Line_Ends(boxText, lineEnd_);
}

std::size_t BoxText::Stored_Length(std::string_view boxText) const {
    if (boxText == shown_) return original_.size();
    if (!multiLine_ || lineEnd_ == LineEnd::CrLf) return boxText.size();
    // Each CR LF goes back as one byte; lone ends stay one byte.
    return boxText.size() - Crlf_Pairs(boxText);
}

bool BoxText::Accepts_Edit(std::string_view current, std::string_view result) const {
    const std::size_t after = Stored_Length(result);
    return after <= MaxBytes || after <= Stored_Length(current);
}

}  // namespace slotpad
