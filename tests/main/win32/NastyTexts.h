#pragma once
// Texts that try to catch out the cutting of a text to what can reach its row: very long
// lines and many lines, every kind of line break, ampersands, tabs, and every byte but
// NUL, CR and LF, rotated so that each character in turn meets the right edge.

#include <string>
#include <vector>

namespace slotpad::testing {

inline std::string Repeat(const std::string& piece, size_t length) {
    std::string text;
    text.reserve(length + piece.size());
    while (text.size() < length) text += piece;
    text.resize(length);
    return text;
}

inline std::string EveryByte(size_t rotation) {
    std::string bytes;
    for (int b = 1; b < 256; ++b)
        if (b != '\r' && b != '\n') bytes += static_cast<char>(b);
    rotation %= bytes.size();
    return bytes.substr(rotation) + bytes.substr(0, rotation);
}

inline std::vector<std::string> NastyTexts(size_t count) {
    const size_t big = 64 * 1024;
    std::vector<std::string> texts = {
        Repeat("The quick brown fox jumps over the lazy dog. ", big),
        Repeat("a line of text\r\n", big),
        Repeat("line feeds only\n", big),
        Repeat("carriage returns only\r", big),
        Repeat("reversed pair\n\r", big),
        Repeat("&&&&&x&", 4000),
        "&",
        "&&",
        "a&b&&c&",
        Repeat("\t", 300),
        Repeat("tab\tseparated\tvalues\t", 5000),
        Repeat(EveryByte(0), big),
        "\r\n" + Repeat("W", 5000),
        "\n\n\n\n" + Repeat("second ", 1000),
        "\r\r\r\r\rx",
        "\r\n\r\n\n\r\n\r\r\rx",
        Repeat("W", 5000) + "\r\n" + Repeat("i", 5000) + "\r\n" + Repeat("m", 5000),
        Repeat("ij", 3000) + "\n" + Repeat("jf", 3000),
        Repeat(".", 3000) + "\r" + Repeat("|", 3000) + "\n" + Repeat("_", 3000),
        "",
        "x",
        "short\r\n",
    };
    for (size_t rotation = 1; texts.size() < count; rotation += 11)
        texts.push_back(Repeat(EveryByte(rotation), 2000) + "\r\n" + Repeat(EveryByte(rotation * 3), 2000));
    texts.resize(count);
    return texts;
}

}  // namespace slotpad::testing
