#pragma once
// The main window's persistent drawing surface: a back buffer (a memory DC with a DIB)
// that everything is painted into and that survives the window being covered. Present()
// copies it to the window in one BitBlt; the window's WM_PAINT copies it again whenever
// the window needs it (PaintTo). Without a window it is a plain memory surface, which is
// how the tests and the benchmark render the panel.
//
// Texts are drawn in DEFAULT_GUI_FONT, the font dialogs and controls get when nobody
// chooses one for them: the window's default user-interface font (MS Shell Dlg, 8 pt).

#include <windows.h>

#include <memory>
#include <vector>

#include "slotpad/platform/DrawingSurface.h"
#include "slotpad/platform/win32/panel/DibCanvas.h"
#include "win32/Handles.h"

namespace slotpad::win32 {

class Win32DrawingSurface final : public DrawingSurface {
public:
    // A back buffer the size of the window's client area.
    explicit Win32DrawingSurface(HWND window);
    // A memory surface of the given size, with no window behind it.
    Win32DrawingSurface(int width, int height);
    ~Win32DrawingSurface() override;
    Win32DrawingSurface(const Win32DrawingSurface&) = delete;
    Win32DrawingSurface& operator=(const Win32DrawingSurface&) = delete;

    // DrawingSurface
    std::unique_ptr<Sprite> CreateSprite(int width, int height) override;
    std::unique_ptr<Picture> CreatePicture(const PictureBits& bits) override;
    void Resize(int width, int height) override;
    void Blit(const Sprite& sprite, int x, int y) override;
    void DrawAnsiText(std::string_view ansiText, const PixelRect& rect, ColorRef color) override;
    const TextFontMetrics& TextMetrics() const override { return metrics_; }
    void Clear() override;
    void Present() override;
    void PresentArea(const PixelRect& area) override;

    // Canvas
    void FillBox(const PixelRect& box, ColorRef color) override;
    void Line(int x1, int y1, int x2, int y2, ColorRef color) override;
    void Edge(const PixelRect& rect, EdgeStyle style) override;
    void DrawPicture(const Picture& picture, int x, int y, int width, int height) override;

    // Copies the part `area` of the surface to `target` (the window's DC in WM_PAINT);
    // where the area reaches beyond the buffer it shows the background colour.
    void PaintTo(HDC target, const RECT& area) const;

    // For tests and the benchmark.
    COLORREF PixelAt(int x, int y) const { return buffer_->PixelAt(x, y); }
    std::vector<COLORREF> Pixels() const { return buffer_->Pixels(); }
    HDC BufferDC() const { return buffer_->dc(); }
    int BufferWidth() const { return buffer_->width(); }
    int BufferHeight() const { return buffer_->height(); }
    int Presents() const { return presents_; }

private:
    void Allocate(int width, int height);
    void PrepareText();
    void MeasureFont();

    HWND window_ = nullptr;
    std::unique_ptr<DibCanvas> buffer_;
    std::unique_ptr<foundation::gdi::Selection> font_;  // DEFAULT_GUI_FONT in buffer_'s DC
    int width_ = 0;   // the client area the surface follows
    int height_ = 0;
    TextFontMetrics metrics_;
    int presents_ = 0;
};

}  // namespace slotpad::win32
