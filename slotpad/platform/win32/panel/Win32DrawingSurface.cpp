#include "slotpad/platform/win32/panel/Win32DrawingSurface.h"

#include <algorithm>
#include <climits>

#include "slotpad/platform/win32/panel/GdiCanvas.h"
#include "slotpad/platform/win32/panel/Win32Sprite.h"

namespace slotpad::win32 {

namespace {

constexpr ColorRef BACKGROUND = SystemColor(COLOR_BTNFACE);

RECT ClientRectOf(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return rect;
}

}  // namespace

Win32DrawingSurface::Win32DrawingSurface(HWND window) : window_(window) {
    const RECT client = ClientRectOf(window);
    width_ = client.right;
    height_ = client.bottom;
    Allocate(std::max(1, width_), std::max(1, height_));
    MeasureFont();
}

Win32DrawingSurface::Win32DrawingSurface(int width, int height) : width_(width), height_(height) {
    Allocate(std::max(1, width), std::max(1, height));
    MeasureFont();
}

Win32DrawingSurface::~Win32DrawingSurface() { font_.reset(); }

// A new, larger buffer holding what the old one showed, background elsewhere.
void Win32DrawingSurface::Allocate(int width, int height) {
    auto next = std::make_unique<DibCanvas>();
    next->Reset(width, height);
    gdi_canvas::FillBox(next->dc(), {0, 0, width, height}, BACKGROUND);
    if (buffer_ && !buffer_->empty())
        BitBlt(next->dc(), 0, 0, buffer_->width(), buffer_->height(), buffer_->dc(), 0, 0, SRCCOPY);
    font_.reset();
    buffer_ = std::move(next);
    PrepareText();
}

void Win32DrawingSurface::PrepareText() {
    font_ = std::make_unique<foundation::gdi::Selection>(buffer_->dc(), GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(buffer_->dc(), TRANSPARENT);
    SetTextAlign(buffer_->dc(), TA_LEFT | TA_TOP | TA_NOUPDATECP);
}

void Win32DrawingSurface::MeasureFont() {
    HDC dc = buffer_->dc();
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    metrics_ = {};
    metrics_.LineHeight = tm.tmHeight;  // DrawTextA's line pitch without DT_EXTERNALLEADING

    // DrawTextA reads the bytes in the code page of the selected font's character set.
    UINT codePage = GetACP();
    CHARSETINFO charset{};
    if (TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<UINT_PTR>(GetTextCharset(dc))), &charset,
                             TCI_SRCCHARSET))
        codePage = charset.ciACP;
    CPINFO cp{};
    const bool singleByte = GetCPInfo(codePage, &cp) && cp.MaxCharSize == 1;

    ABC abc[256];
    INT widths[256];
    if (GetCharABCWidthsA(dc, 0, 255, abc)) {
        for (int i = 0; i < 256; ++i) {
            metrics_.Advance[i] = abc[i].abcA + static_cast<int>(abc[i].abcB) + abc[i].abcC;
            metrics_.MaxOverhang = std::max(metrics_.MaxOverhang, -abc[i].abcA);
        }
        metrics_.OneCharPerByte = singleByte;
    } else if (GetCharWidth32A(dc, 0, 255, widths)) {
        // No glyph extents (not an outline font): allow a whole character of overhang.
        std::copy(std::begin(widths), std::end(widths), metrics_.Advance.begin());
        metrics_.MaxOverhang = tm.tmMaxCharWidth + tm.tmOverhang;
        metrics_.OneCharPerByte = singleByte;
    }
}

std::unique_ptr<Sprite> Win32DrawingSurface::CreateSprite(int width, int height) {
    return std::make_unique<Win32Sprite>(width, height);
}

std::unique_ptr<Picture> Win32DrawingSurface::CreatePicture(const PictureBits& bits) {
    return std::make_unique<IconPicture>(bits);
}

void Win32DrawingSurface::Resize(int width, int height) {
    width = std::max(0, width);
    height = std::max(0, height);
    if (width > buffer_->width() || height > buffer_->height())
        Allocate(std::max(width, buffer_->width()), std::max(height, buffer_->height()));
    // The buffer never shrinks, so that narrowing and widening again costs nothing;
    // what falls outside the client area goes back to the background, so that it shows
    // as new area when the window grows again.
    HDC dc = buffer_->dc();
    const int bw = buffer_->width(), bh = buffer_->height();
    if (width < bw) gdi_canvas::FillBox(dc, {width, 0, bw, bh}, BACKGROUND);
    if (height < bh) gdi_canvas::FillBox(dc, {0, height, std::min(width, bw), bh}, BACKGROUND);
    width_ = width;
    height_ = height;
}

void Win32DrawingSurface::Blit(const Sprite& sprite, int x, int y) {
    const auto& source = dynamic_cast<const Win32Sprite&>(sprite).bitmap();
    if (source.empty()) return;
    BitBlt(buffer_->dc(), x, y, source.width(), source.height(), source.dc(), 0, 0, SRCCOPY);
}

void Win32DrawingSurface::DrawAnsiText(std::string_view ansiText, const PixelRect& rect, ColorRef color) {
    if (ansiText.empty()) return;
    HDC dc = buffer_->dc();
    SetTextColor(dc, ResolveColor(color));
    RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    const int length = static_cast<int>(std::min<size_t>(ansiText.size(), INT_MAX));
    DrawTextA(dc, ansiText.data(), length, &r, DT_NOPREFIX);
}

void Win32DrawingSurface::Clear() {
    gdi_canvas::FillBox(buffer_->dc(), {0, 0, buffer_->width(), buffer_->height()}, BACKGROUND);
}

void Win32DrawingSurface::Present() {
    ++presents_;
    // A hidden window has nothing on screen; WM_PAINT copies the buffer once it shows.
    if (!window_ || !IsWindowVisible(window_)) return;
    foundation::gdi::WindowDC target(window_);
    if (target.get()) PaintTo(target.get(), ClientRectOf(window_));
}

void Win32DrawingSurface::PresentArea(const PixelRect& area) {
    ++presents_;
    if (!window_ || !IsWindowVisible(window_)) return;
    RECT client = ClientRectOf(window_);
    const RECT wanted{area.Left, area.Top, area.Right, area.Bottom};
    RECT shown{};
    if (!IntersectRect(&shown, &client, &wanted)) return;
    foundation::gdi::WindowDC target(window_);
    if (target.get()) PaintTo(target.get(), shown);
}

void Win32DrawingSurface::PaintTo(HDC target, const RECT& area) const {
    const int right = std::min<int>(area.right, buffer_->width());
    const int bottom = std::min<int>(area.bottom, buffer_->height());
    if (right > area.left && bottom > area.top)
        BitBlt(target, area.left, area.top, right - area.left, bottom - area.top, buffer_->dc(), area.left,
               area.top, SRCCOPY);
    // Beyond the buffer (only before the first resize reaches it): the background.
    if (area.right > right) gdi_canvas::FillBox(target, {std::max<int>(right, area.left), area.top, area.right, area.bottom}, BACKGROUND);
    if (area.bottom > bottom)
        gdi_canvas::FillBox(target, {area.left, std::max<int>(bottom, area.top), std::min<int>(right, area.right), area.bottom}, BACKGROUND);
}

void Win32DrawingSurface::FillBox(const PixelRect& box, ColorRef color) {
    gdi_canvas::FillBox(buffer_->dc(), box, color);
}

void Win32DrawingSurface::Line(int x1, int y1, int x2, int y2, ColorRef color) {
    gdi_canvas::Line(buffer_->dc(), x1, y1, x2, y2, color);
}

void Win32DrawingSurface::Edge(const PixelRect& rect, EdgeStyle style) {
    gdi_canvas::Edge(buffer_->dc(), rect, style);
}

void Win32DrawingSurface::DrawPicture(const Picture& picture, int x, int y, int width, int height) {
    gdi_canvas::DrawPicture(buffer_->dc(), picture, x, y, width, height);
}

}  // namespace slotpad::win32
