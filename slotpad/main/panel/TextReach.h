#pragma once
// Which part of a slot's text can reach its row's text rectangle. DrawTextA lays out and
// converts everything it is handed, even lines far below or right of the rectangle, so a
// 64 KiB text costs it as much as 71 short ones; handing it only what can show draws
// exactly the same pixels at a fraction of the cost.
//
// The rules are those of DrawTextA without word wrap: a line ends at CR or LF, and a
// following CR or LF that differs from it ("\r\n" or "\n\r") belongs to the same break;
// lines are LineHeight apart from the rectangle's top; each line's characters are laid
// left to right by their advance widths from the rectangle's left and clipped at its
// right. Tabs are ordinary characters (no DT_EXPANDTABS), "&" too (DT_NOPREFIX).

#include <cstddef>
#include <string>
#include <string_view>

#include "slotpad/platform/DrawingSurface.h"

namespace slotpad::panel {

// Number of characters of the line break starting at text[pos] (a CR or LF): 2 for
// "\r\n" and "\n\r", otherwise 1.
std::size_t LineBreakLength(std::string_view text, std::size_t pos);

// The text to hand DrawTextA for a rectangle `width` x `height` so that it draws the
// same pixels as for the whole `text`: the lines whose top lies inside the rectangle,
// each cut after the first character whose ink cannot reach the right edge any more.
// The result is a prefix of `text` when only the last kept line is cut, otherwise it is
// built in `scratch`. Without usable metrics (no line height) the whole text is returned;
// when a byte is not always one character (a double-byte code page) lines are not cut.
std::string_view TextReachingRect(std::string_view text, const TextFontMetrics& font, int width,
                                  int height, std::string& scratch);

}  // namespace slotpad::panel
