#include "slotpad/dialogs/win32/FontFaces.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "win32/Handles.h"

namespace slotpad::win32 {

int Screen_Pixels_Per_Inch_Y() {
    foundation::gdi::WindowDC screen(nullptr);
    const int dpi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : 96;
}

LOGFONTA Logical_Font(const FontFace& face, int pixelsPerInchY) {
    LOGFONTA font{};
    // A negative height asks for the character height, which is what points measure.
    font.lfHeight = -static_cast<LONG>(std::lround(static_cast<double>(face.Size) * pixelsPerInchY / 72.0));
    font.lfWeight = face.Bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = face.Italic ? TRUE : FALSE;
    font.lfUnderline = face.Underline ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    const std::size_t n = std::min(face.Name.size(), sizeof font.lfFaceName - 1);
    std::memcpy(font.lfFaceName, face.Name.data(), n);
    return font;
}

FontFace Realised_Face(HWND window, HFONT font, float requestedSize, int pixelsPerInchY) {
    FontFace face;
    foundation::gdi::WindowDC dc(window);
    if (!dc.get() || !font) return face;
    foundation::gdi::Selection selected(dc.get(), font);
    char name[LF_FACESIZE] = {};
    if (GetTextFaceA(dc.get(), LF_FACESIZE - 1, name) > 0) face.Name = name;
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc.get(), &metrics);
    LOGFONTA logical{};
    GetObjectA(font, sizeof logical, &logical);
    const LONG height = logical.lfHeight < 0 ? -logical.lfHeight : metrics.tmHeight - metrics.tmInternalLeading;
    // The size asked for stands when it is what the height realises: 10 points make 13
    // pixels at 96 dots per inch, which read back would be 9.75.
    face.Size = Logical_Font({"", requestedSize}, pixelsPerInchY).lfHeight == -height
                    ? requestedSize
                    : static_cast<float>(height * 72.0 / pixelsPerInchY);
    face.Bold = metrics.tmWeight >= FW_BOLD;
    face.Italic = metrics.tmItalic != 0;
    face.Underline = metrics.tmUnderlined != 0;
    return face;
}

}  // namespace slotpad::win32
