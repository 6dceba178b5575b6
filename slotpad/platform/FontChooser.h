#pragma once
// The system's font dialog, as the Options dialog uses it for the two print fonts.

#include <optional>
#include <string>

namespace slotpad {

// The five font properties that a label shows and the settings file stores.
struct FontFace {
    std::string Name;  // face name, ANSI
    float Size = 0;    // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;

    friend bool operator==(const FontFace&, const FontFace&) = default;
};

class FontChooser {
public:
    virtual ~FontChooser() = default;
    // Opens the font dialog modally, initialised with `initial`, listing the screen fonts
    // and the default printer's fonts (when there is a printer), with no effects section.
    // nullopt when the user cancels or the dialog cannot be shown.
    virtual std::optional<FontFace> Choose_Font(const FontFace& initial) = 0;
};

}  // namespace slotpad
