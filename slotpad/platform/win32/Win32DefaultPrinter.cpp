#include "slotpad/platform/win32/Win32DefaultPrinter.h"

#include <windows.h>
#include <winspool.h>

#include <algorithm>
#include <climits>
#include <cwchar>
#include <cwctype>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "slotpad/platform/win32/Utf.h"
#include "win32/Handles.h"

namespace slotpad::win32 {

namespace {

namespace gdi = foundation::gdi;
using OwnedFont = gdi::Owned<HFONT, gdi::FreeObject>;

// The texts of slots and font names are in the ANSI code page.
std::wstring WidenAnsi(std::string_view ansi) {
    if (ansi.empty()) return {};
    const int size = static_cast<int>(std::min<size_t>(ansi.size(), INT_MAX));
    const int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(std::max(n, 0)), L'\0');
    if (n > 0) MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, wide.data(), n);
    return wide;
}

// "what went wrong (the system's words)", or with the error number when the system has
// no words for it.
std::string Reason(const char* what, DWORD error) {
    std::string reason = what;
    if (error == 0) return reason;
    wchar_t* text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring words = length ? std::wstring(text, length) : std::wstring();
    if (text) LocalFree(text);
    while (!words.empty() && (iswspace(words.back()) || words.back() == L'.')) words.pop_back();
    if (words.empty()) return reason + " (error " + std::to_string(error) + ")";
    return reason + " (" + Narrow(words) + ")";
}

std::optional<std::wstring> DefaultPrinterName(DWORD& error) {
    DWORD size = 0;
    GetDefaultPrinterW(nullptr, &size);
    error = GetLastError();
    if (error != ERROR_INSUFFICIENT_BUFFER || size == 0) return std::nullopt;
    std::wstring name(size, L'\0');
    if (!GetDefaultPrinterW(name.data(), &size)) {
        error = GetLastError();
        return std::nullopt;
    }
    name.resize(wcsnlen(name.c_str(), name.size()));
    return name;
}

// The font's cell height in device pixels for a size in points at the printer's
// resolution; a size that is not a positive number leaves the choice to the printer.
LONG CellHeight(float points, int pixelsPerInch) {
    const double pixels = std::round(static_cast<double>(points) * pixelsPerInch / 72.0);
    if (!(pixels >= 1.0)) return 0;
    return -static_cast<LONG>(std::min(pixels, 1.0e6));
}

class Win32PrintJob : public PrintJob {
public:
    Win32PrintJob(gdi::OwnedDC dc, std::string printer)
        : dc_(std::move(dc)), printer_(std::move(printer)),
          pageHeight_(GetDeviceCaps(dc_.get(), VERTRES)), pixelsPerInch_(GetDeviceCaps(dc_.get(), LOGPIXELSY)) {}

    ~Win32PrintJob() override {
        selection_.reset();
        if (inDocument_) AbortDoc(dc_.get());
    }

    std::optional<PrintError> Begin(std::string_view documentName) {
        const std::wstring name = Widen(documentName);
        DOCINFOW info{};
        info.cbSize = sizeof info;
        info.lpszDocName = name.c_str();
        SetLastError(0);
        if (StartDocW(dc_.get(), &info) <= 0) return Failure("the print job could not be started");
        inDocument_ = true;
        if (auto failed = NewPage()) return failed;
        return MeasureLine();
    }

    std::optional<PrintError> SetFont(const PrinterFont& font) override {
        LOGFONTW spec{};
        spec.lfHeight = CellHeight(font.Points, pixelsPerInch_);
        spec.lfWeight = font.Bold ? FW_BOLD : FW_NORMAL;
        spec.lfItalic = font.Italic;
        spec.lfUnderline = font.Underline;
        spec.lfCharSet = DEFAULT_CHARSET;
        spec.lfOutPrecision = OUT_DEFAULT_PRECIS;
        spec.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        spec.lfQuality = DEFAULT_QUALITY;
        spec.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
        const std::wstring face = WidenAnsi(font.Face);
        face.copy(spec.lfFaceName, LF_FACESIZE - 1);

        SetLastError(0);
        OwnedFont created(CreateFontIndirectW(&spec));
        if (!created) return Failure("the font could not be made");
        // The old font is deselected before it is deleted.
        selection_.reset();
        font_ = std::move(created);
        selection_.emplace(dc_.get(), font_.get());
        return MeasureLine();
    }

    std::optional<PrintError> PrintLine(std::string_view ansiLine) override {
        // A line taller than the page still goes on a page of its own.
        if (y_ > 0 && y_ + lineHeight_ > pageHeight_) {
            SetLastError(0);
            if (EndPage(dc_.get()) <= 0) return Failure("the page could not be finished");
            if (auto failed = NewPage()) return failed;
        }
        const std::wstring line = WidenAnsi(ansiLine);
        if (!line.empty()) {
            const int length = static_cast<int>(std::min<size_t>(line.size(), INT_MAX));
            SetLastError(0);
            if (!TextOutW(dc_.get(), 0, y_, line.c_str(), length)) return Failure("a line could not be printed");
        }
        y_ += lineHeight_;
        return std::nullopt;
    }

    std::optional<PrintError> End() override {
        SetLastError(0);
        if (EndPage(dc_.get()) <= 0) return Failure("the page could not be finished");
        SetLastError(0);
        if (EndDoc(dc_.get()) <= 0) return Failure("the print job could not be finished");
        inDocument_ = false;
        return std::nullopt;
    }

private:
    std::optional<PrintError> NewPage() {
        SetLastError(0);
        if (StartPage(dc_.get()) <= 0) return Failure("a page could not be started");
        y_ = 0;
        return std::nullopt;
    }

    std::optional<PrintError> MeasureLine() {
        TEXTMETRICW metrics{};
        SetLastError(0);
        if (!GetTextMetricsW(dc_.get(), &metrics)) return Failure("the font could not be measured");
        lineHeight_ = std::max<LONG>(1, metrics.tmHeight + metrics.tmExternalLeading);
        return std::nullopt;
    }

    PrintError Failure(const char* what) const { return {printer_, Reason(what, GetLastError())}; }

    gdi::OwnedDC dc_;
    OwnedFont font_;
    std::optional<gdi::Selection> selection_;
    std::string printer_;
    int pageHeight_;
    int pixelsPerInch_;
    bool inDocument_ = false;
    int y_ = 0;
    int lineHeight_ = 1;
};

}  // namespace

PrintJobStart Win32DefaultPrinter::StartJob(std::string_view documentName) {
    DWORD error = 0;
    const std::optional<std::wstring> name = DefaultPrinterName(error);
    if (!name) {
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_INSUFFICIENT_BUFFER)
            return {nullptr, {"", "there is no default printer"}};
        return {nullptr, {"", Reason("the default printer could not be found", error)}};
    }
    const std::string printer = Narrow(*name);
    SetLastError(0);
    gdi::OwnedDC dc(CreateDCW(L"WINSPOOL", name->c_str(), nullptr, nullptr));
    if (!dc) return {nullptr, {printer, Reason("the printer could not be opened", GetLastError())}};
    auto job = std::make_unique<Win32PrintJob>(std::move(dc), printer);
    if (auto failed = job->Begin(documentName)) return {nullptr, *failed};
    return {std::move(job), {}};
}

}  // namespace slotpad::win32
