#include "slotpad/dialogs/win32/Win32FontChooser.h"

#include <windows.h>

#include <commdlg.h>
#include <winspool.h>

#include <string>

#include "slotpad/dialogs/win32/FontFaces.h"
#include "win32/Handles.h"

namespace slotpad::win32 {

namespace {

// The default printer's information context, or null when there is no printer.
HDC Default_Printer_Context() {
    DWORD size = 0;
    GetDefaultPrinterA(nullptr, &size);
    if (size == 0) return nullptr;
    std::string name(size, '\0');
    if (!GetDefaultPrinterA(name.data(), &size)) return nullptr;
    name.resize(name.find('\0') == std::string::npos ? name.size() : name.find('\0'));
    return CreateICA(nullptr, name.c_str(), nullptr, nullptr);
}

}  // namespace

std::optional<FontFace> Win32FontChooser::Choose_Font(const FontFace& initial) {
    const int dpi = Screen_Pixels_Per_Inch_Y();
    LOGFONTA font = Logical_Font(initial, dpi);
    foundation::gdi::OwnedDC printer(Default_Printer_Context());

    CHOOSEFONTA choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = GetActiveWindow();
    choose.hDC = printer.get();
    choose.lpLogFont = &font;
    choose.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | (printer ? CF_PRINTERFONTS : 0);
    if (!ChooseFontA(&choose)) return std::nullopt;

    FontFace chosen;
    chosen.Name = font.lfFaceName;
    chosen.Size = static_cast<float>(choose.iPointSize) / 10.0f;
    chosen.Bold = font.lfWeight >= FW_BOLD;
    chosen.Italic = font.lfItalic != 0;
    // Without the effects section the dialog cannot change the underline.
    chosen.Underline = initial.Underline;
    return chosen;
}

}  // namespace slotpad::win32
