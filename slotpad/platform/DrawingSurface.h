#pragma once
// The main window's persistent drawing surface and the off-screen sprites painted into
// it. Everything is in pixels with the origin at the top-left corner; rectangles
// exclude their right and bottom edges, as GDI's do.

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace slotpad {

// 0x00BBGGRR for a fixed colour, or 0x80000000 plus a system colour index (COLOR_WINDOW
// and so on), which the surface looks up each time it draws so that it follows the
// user's colour scheme.
using ColorRef = uint32_t;

constexpr ColorRef SystemColor(int index) { return 0x80000000u | static_cast<uint32_t>(index); }

struct PixelRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

enum class EdgeStyle {
    Raised,  // EDGE_RAISED: a button face
    Sunken,  // EDGE_SUNKEN: a field or a pressed button
};

// Pixels of a small picture with a transparency mask, row by row from the top.
struct PictureBits {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Rgb;         // 0x00RRGGBB per pixel
    std::vector<uint8_t> Transparent;  // 1 where the background shows through
};

// A picture made from PictureBits, ready to be drawn with its transparency.
class Picture {
public:
    virtual ~Picture() = default;
};

// How the surface's text font lays out the 8-bit texts it is given, so that callers can
// tell which part of a long text can reach a rectangle at all.
struct TextFontMetrics {
    int LineHeight = 0;
    // True when every byte is one character (a single-byte code page); only then do
    // Advance and MaxOverhang describe the text.
    bool OneCharPerByte = false;
    std::array<int, 256> Advance{};  // pen movement of each byte's character
    // How far any character's ink may start left of its pen position.
    int MaxOverhang = 0;
};

// What both the surface and the sprites can be drawn on.
class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void FillBox(const PixelRect& box, ColorRef color) = 0;
    // A one-pixel line; like LineTo it leaves out the end point.
    virtual void Line(int x1, int y1, int x2, int y2, ColorRef color) = 0;
    // A two-pixel 3-D edge on all four sides of the rectangle (DrawEdge, BF_RECT).
    virtual void Edge(const PixelRect& rect, EdgeStyle style) = 0;
    // Draws the picture scaled to width x height at (x, y); its transparent pixels leave
    // what is below.
    virtual void DrawPicture(const Picture& picture, int x, int y, int width, int height) = 0;
};

// An off-screen bitmap rendered once and copied many times.
class Sprite : public Canvas {
public:
    // New size; what was drawn before is gone.
    virtual void Resize(int width, int height) = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};

// A back buffer that keeps what is painted into it until it is painted over, however
// often the window is covered, and reaches the screen only through Present().
class DrawingSurface : public Canvas {
public:
    virtual std::unique_ptr<Sprite> CreateSprite(int width, int height) = 0;
    virtual std::unique_ptr<Picture> CreatePicture(const PictureBits& bits) = 0;
    // Follows the size of the client area. What is painted stays; new area shows the
    // background colour.
    virtual void Resize(int width, int height) = 0;
    // Copies the whole sprite with its top-left corner at (x, y) (BitBlt, SRCCOPY).
    virtual void Blit(const Sprite& sprite, int x, int y) = 0;
    // DrawTextA with DT_NOPREFIX alone, in the surface's text font: left-aligned lines
    // from the top of the rectangle, no word wrap, "&" drawn as itself, clipped to the
    // rectangle, the background left as it is.
    virtual void DrawAnsiText(std::string_view ansiText, const PixelRect& rect, ColorRef color) = 0;
    virtual const TextFontMetrics& TextMetrics() const = 0;
    // Fills the whole surface with its background colour, COLOR_BTNFACE.
    virtual void Clear() = 0;
    // Shows the surface on screen in one refresh.
    virtual void Present() = 0;
    // Shows only `area` of it: what was presented before is still on screen elsewhere.
    virtual void PresentArea(const PixelRect& area) = 0;
};

}  // namespace slotpad
