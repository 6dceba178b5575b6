#include "slotpad/main/panel/TextReach.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__) && !defined(SLOTPAD_PORTABLE_SCAN)
#include <emmintrin.h>
#endif

namespace slotpad::panel {

namespace {

bool IsBreak(char c) { return c == '\r' || c == '\n'; }

// Position of the first CR or LF at or after `from`, or text.size(). This scan over the
// rest of a long first line is most of what a cut costs, and the C runtime's memchr
// goes a byte at a time, so it looks at 16 bytes a step (8 without SSE2).
std::size_t FindLineEnd(std::string_view text, std::size_t from) {
    const char* const begin = text.data();
    const char* p = begin + from;
    const char* const end = begin + text.size();
#if defined(__SSE2__) && !defined(SLOTPAD_PORTABLE_SCAN)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; end - p >= 16; p += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const auto hits = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(chunk, cr), _mm_cmpeq_epi8(chunk, lf))));
        if (hits) return static_cast<std::size_t>(p - begin) + std::countr_zero(hits);
    }
#else
    constexpr uint64_t ones = 0x0101010101010101u, highs = 0x8080808080808080u;
    for (; end - p >= 8; p += 8) {
        uint64_t word;
        std::memcpy(&word, p, sizeof word);
        const uint64_t x = word ^ (ones * '\r'), y = word ^ (ones * '\n');
        if (((x - ones) & ~x & highs) | ((y - ones) & ~y & highs)) break;  // the byte loop finds it
    }
#endif
    while (p < end && !IsBreak(*p)) ++p;
    return static_cast<std::size_t>(p - begin);
}

struct KeptLine {
    std::size_t Begin = 0;
    std::size_t Keep = 0;   // end of the part handed on
    std::size_t End = 0;    // end of the line's characters (its break, or the text's end)
    std::size_t Break = 0;  // characters of the break after it
};

// At most this many lines can start inside any rectangle the panel draws into; beyond
// it (only with a tiny font) the text is handed on whole.
constexpr int MAX_KEPT_LINES = 32;

}  // namespace

std::size_t LineBreakLength(std::string_view text, std::size_t pos) {
    if (pos + 1 < text.size() && IsBreak(text[pos + 1]) && text[pos + 1] != text[pos]) return 2;
    return 1;
}

std::string_view TextReachingRect(std::string_view text, const TextFontMetrics& font, int width,
                                  int height, std::string& scratch) {
    if (font.LineHeight <= 0 || text.empty()) return text;
    // Lines k = 0, 1, ... start k * LineHeight below the top; only those starting above
    // the bottom edge can show. The first line is always kept.
    const int lineCount = std::max(1, (height + font.LineHeight - 1) / font.LineHeight);
    if (lineCount > MAX_KEPT_LINES) return text;
    // A character whose pen position is at or beyond this cannot put ink left of `width`.
    const long reach = static_cast<long>(width) + std::max(0, font.MaxOverhang) + 1;

    std::array<KeptLine, MAX_KEPT_LINES> lines;
    int kept = 0;
    std::size_t pos = 0;
    for (;;) {
        KeptLine& line = lines[kept++];
        line.Begin = pos;
        line.End = FindLineEnd(text, pos);
        line.Keep = line.End;
        if (font.OneCharPerByte) {
            long x = 0;
            std::size_t i = pos;
            while (i < line.End && x < reach) {
                x += font.Advance[static_cast<unsigned char>(text[i])];
                ++i;
            }
            line.Keep = i;
        }
        line.Break = line.End < text.size() ? LineBreakLength(text, line.End) : 0;
        pos = line.End + line.Break;
        if (line.Break == 0 || kept == lineCount) break;
    }

    bool inner_cut = false;
    for (int k = 0; k + 1 < kept; ++k) inner_cut = inner_cut || lines[k].Keep != lines[k].End;
    if (!inner_cut) return text.substr(0, lines[kept - 1].Keep);

    scratch.clear();
    for (int k = 0; k < kept; ++k) {
        const KeptLine& line = lines[k];
        scratch.append(text.substr(line.Begin, line.Keep - line.Begin));
        if (k + 1 < kept) scratch.append(text.substr(line.End, line.Break));
    }
    return scratch;
}

}  // namespace slotpad::panel
