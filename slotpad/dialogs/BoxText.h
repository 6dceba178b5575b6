#pragma once
// A slot string on its way through a text box and back. A multi-line box breaks lines
// only at CR LF, so a text with lone LF or CR line ends is shown with CR LF; when the
// user changed nothing the box hands back the very text it was given, and a changed
// text goes back with the original's kind of line end. Either way the result fits in
// one string field of the settings file.

#include <cstddef>
#include <string>
#include <string_view>

namespace slotpad {

enum class LineEnd { CrLf, Lf, Cr };

// Lone LF or CR (and mixtures of line ends) go back as the one-byte kind the text used
// first, so that a text never grows on its way back; a text without lone ends keeps CR LF.
LineEnd Line_End_Of(std::string_view text);
// Every lone CR and lone LF becomes CR LF.
std::string With_Crlf_Line_Ends(std::string_view text);
std::string With_Line_Ends(std::string_view text, LineEnd lineEnd);

class BoxText {
public:
    static constexpr std::size_t MaxBytes = 65535;

    // `multiLine`: the box shows lines; a single-line box shows the text as given.
    BoxText(std::string original, bool multiLine);

    const std::string& Original() const { return original_; }
    // What the box is filled with.
    const std::string& Shown() const { return shown_; }
    // The text to hand back for what the box holds.
    std::string Handed_Back(const std::string& boxText) const;
    // The length that `boxText` would have once handed back.
    std::size_t Stored_Length(std::string_view boxText) const;
    // Whether an edit that turns `current` into `result` may go ahead: the result must fit,
    // or (for a given text that never fitted) at least not grow.
    bool Accepts_Edit(std::string_view current, std::string_view result) const;

private:
    std::string original_;
    std::string shown_;
    bool multiLine_;
    LineEnd lineEnd_;
};

}  // namespace slotpad
