#pragma once
// A drawing surface that records what is drawn, so that tests can see which sprite went
// where and which text was drawn in which colour, without any pixels.

#include <memory>
#include <string>
#include <vector>

#include "slotpad/main/panel/PanelColors.h"
#include "slotpad/main/panel/PanelIcons.h"
#include "slotpad/platform/DrawingSurface.h"

namespace slotpad::testing {

struct CanvasOp {
    enum Kind { Fill, Line, Edge, Picture } kind;
    PixelRect rect;         // Fill, Edge; Line: x1, y1, x2, y2; Picture: x, y, w, h
    ColorRef color = 0;     // Fill, Line
    EdgeStyle style = EdgeStyle::Raised;
    std::string picture;    // Picture: the icon's name
};

class RecordingPicture : public Picture {
public:
    explicit RecordingPicture(std::string name) : name(std::move(name)) {}
    std::string name;
};

inline std::string IconName(const PictureBits& bits) {
    using namespace panel;
    auto same = [&](const IconArt& art) {
        const PictureBits known = ToPictureBits(art);
        return known.Rgb == bits.Rgb && known.Transparent == bits.Transparent;
    };
    if (same(ARROW_UP_ART)) return "ArrowUp";
    if (same(ARROW_DOWN_ART)) return "ArrowDown";
    if (same(LOCK_UP_ART)) return "LockUp";
    if (same(LOCK_DOWN_ART)) return "LockDown";
    return "?";
}

// Records the drawing calls of any Canvas: Recording<Canvas>, Recording<Sprite>, ...
template <class Base>
class Recording : public Base {
public:
    std::vector<CanvasOp> ops;
    void FillBox(const PixelRect& box, ColorRef color) override {
        ops.push_back({CanvasOp::Fill, box, color, {}, {}});
    }
    void Line(int x1, int y1, int x2, int y2, ColorRef color) override {
        ops.push_back({CanvasOp::Line, {x1, y1, x2, y2}, color, {}, {}});
    }
    void Edge(const PixelRect& rect, EdgeStyle style) override {
        ops.push_back({CanvasOp::Edge, rect, 0, style, {}});
    }
    void DrawPicture(const Picture& picture, int x, int y, int width, int height) override {
        ops.push_back({CanvasOp::Picture, {x, y, width, height}, 0, {},
                       static_cast<const RecordingPicture&>(picture).name});
    }
};

using RecordingCanvas = Recording<Canvas>;

class RecordingSprite : public Recording<Sprite> {
public:
    RecordingSprite(int w, int h) : width(w), height(h) {}
    int width, height;
    int renders = 0;  // how often it was drawn anew
    void Resize(int w, int h) override {
        width = w;
        height = h;
        ops.clear();
    }
    int Width() const override { return width; }
    int Height() const override { return height; }
    // Every look starts with a fill or a line and ends with an edge or a picture, so a
    // fill or line after those starts a new rendering; only the latest one is kept.
    void FillBox(const PixelRect& box, ColorRef color) override {
        StartOfDrawing();
        Recording<Sprite>::FillBox(box, color);
    }
    void Line(int x1, int y1, int x2, int y2, ColorRef color) override {
        StartOfDrawing();
        Recording<Sprite>::Line(x1, y1, x2, y2, color);
    }
    // What the sprite shows, from how it was last rendered: "up:ArrowUp",
    // "down:LockDown", "norm", "high", or "?" for anything else.
    std::string Look() const {
        std::string picture;
        bool raised = false, sunken = false;
        ColorRef fill = 0;
        bool filled = false;
        for (const CanvasOp& op : ops) {
            if (op.kind == CanvasOp::Picture) picture = op.picture;
            if (op.kind == CanvasOp::Edge) (op.style == EdgeStyle::Raised ? raised : sunken) = true;
            if (op.kind == CanvasOp::Fill) filled = true, fill = op.color;
        }
        if (!picture.empty()) return (raised ? "up:" : sunken ? "down:" : "?:") + picture;
        if (filled && sunken && fill == panel::COLOR_REF_WINDOW) return "norm";
        if (filled && sunken && fill == panel::COLOR_REF_HIGHLIGHT) return "high";
        return "?";
    }

private:
    void StartOfDrawing() {
        if (ops.empty() || ops.back().kind == CanvasOp::Edge || ops.back().kind == CanvasOp::Picture) {
            ops.clear();
            ++renders;
        }
    }
};

struct SurfaceOp {
    enum Kind { Blit, Text, Clear, Present, Resize } kind;
    int x = 0, y = 0;         // Blit: position; Resize: size
    std::string look;         // Blit: the sprite's look
    int width = 0;            // Blit: the sprite's width
    std::string text;         // Text
    PixelRect rect;           // Text
    ColorRef color = 0;       // Text
};

class RecordingSurface : public Recording<DrawingSurface> {
public:
    RecordingSurface() {
        metrics.LineHeight = 13;
        metrics.OneCharPerByte = true;
        metrics.Advance.fill(5);
        metrics.MaxOverhang = 1;
    }
    std::vector<SurfaceOp> surfaceOps;
    std::vector<RecordingSprite*> sprites;
    TextFontMetrics metrics;

    std::unique_ptr<Sprite> CreateSprite(int width, int height) override {
        auto sprite = std::make_unique<RecordingSprite>(width, height);
        sprites.push_back(sprite.get());
        return sprite;
    }
    std::unique_ptr<Picture> CreatePicture(const PictureBits& bits) override {
        return std::make_unique<RecordingPicture>(IconName(bits));
    }
    void Resize(int width, int height) override {
        surfaceOps.push_back({SurfaceOp::Resize, width, height, {}, 0, {}, {}, 0});
    }
    void Blit(const Sprite& sprite, int x, int y) override {
        const auto& s = dynamic_cast<const RecordingSprite&>(sprite);
        surfaceOps.push_back({SurfaceOp::Blit, x, y, s.Look(), s.width, {}, {}, 0});
    }
    void DrawAnsiText(std::string_view text, const PixelRect& rect, ColorRef color) override {
        surfaceOps.push_back({SurfaceOp::Text, 0, 0, {}, 0, std::string(text), rect, color});
    }
    const TextFontMetrics& TextMetrics() const override { return metrics; }
    void Clear() override { surfaceOps.push_back({SurfaceOp::Clear, 0, 0, {}, 0, {}, {}, 0}); }
    void Present() override { surfaceOps.push_back({SurfaceOp::Present, 0, 0, {}, 0, {}, {}, 0}); }
    void PresentArea(const PixelRect& area) override {
        surfaceOps.push_back({SurfaceOp::Present, 0, 0, {}, 0, {}, area, 0});
    }

    std::vector<SurfaceOp> OfKind(SurfaceOp::Kind kind) const {
        std::vector<SurfaceOp> result;
        for (const SurfaceOp& op : surfaceOps)
            if (op.kind == kind) result.push_back(op);
        return result;
    }
};

}  // namespace slotpad::testing
