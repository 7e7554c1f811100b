// The picture box's drawing surface on Win32: GDI text into an off-screen bitmap.
#include "win32/win32_drawing_surface.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cwchar>
#include <stdexcept>

#include "host/pen_place.h"
#include "win32/win32_dpi.h"
#include "win32/win32_messages.h"

namespace hueloom {

GdiDrawingSurface::GdiDrawingSurface(HWND window, const COLORREF& backColor)
    : window_(window), backColor_(backColor), dc_(::CreateCompatibleDC(nullptr)) {
    if (dc_ == nullptr) throw std::runtime_error("cannot make a drawing surface");
    ::SetBkMode(dc_, TRANSPARENT);
    ::SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    textColour_ = ::GetTextColor(dc_);
    originalFont_ = ::GetCurrentObject(dc_, OBJ_FONT);
    originalBitmap_ = ::GetCurrentObject(dc_, OBJ_BITMAP);
    RefreshMetrics();
}

GdiDrawingSurface::~GdiDrawingSurface() {
    ::SelectObject(dc_, originalFont_);
    ::SelectObject(dc_, originalBitmap_);
    for (const auto& font : fonts_) ::DeleteObject(font->handle);
    if (bitmap_ != nullptr) ::DeleteObject(bitmap_);
    ::DeleteDC(dc_);
}

void GdiDrawingSurface::RefreshMetrics() {
    RECT client{};
    ::GetClientRect(window_, &client);
    client_ = SIZE{std::max(client.right, 0L), std::max(client.bottom, 0L)};
    const int dpi = DpiOf(window_);
    if (dpi != dpi_) current_ = nullptr;  // the font's pixels follow the dpi
    dpi_ = dpi;
}

double GdiDrawingSurface::UnitsPerPixel() const {
    return hueloom::UnitsPerPixel(scaleMode_, dpi_);
}

void GdiDrawingSurface::SetFontName(std::u16string_view name) {
    // The system keeps at most 31 characters of a face name.
    wanted_.name = name.substr(0, LF_FACESIZE - 1);
    current_ = nullptr;
}

void GdiDrawingSurface::SetFontSize(float points) {
    // A size GDI cannot use keeps the one in force.
    if (!std::isfinite(points) || points <= 0) return;
    points_ = points;
    current_ = nullptr;
}

void GdiDrawingSurface::SetFontBold(bool on) {
    wanted_.bold = on;
    current_ = nullptr;
}

void GdiDrawingSurface::SetFontItalic(bool on) {
    wanted_.italic = on;
    current_ = nullptr;
}

void GdiDrawingSurface::SetFontUnderline(bool on) {
    wanted_.underline = on;
    current_ = nullptr;
}

void GdiDrawingSurface::SetFontStrikethru(bool on) {
    wanted_.strikethru = on;
    current_ = nullptr;
}

// Points at the window's real dpi; a change of dpi makes the fonts anew.
GdiDrawingSurface::Font& GdiDrawingSurface::CurrentFont() {
    if (current_ != nullptr) return *current_;
    const double pixels = std::round(static_cast<double>(points_) * dpi_ / 72.0);
    wanted_.pixels = static_cast<int>(std::clamp(pixels, 1.0, 16384.0));
    const auto found = std::find_if(fonts_.begin(), fonts_.end(),
                                    [this](const auto& font) { return font->style == wanted_; });
    if (found != fonts_.end()) {
        current_ = found->get();
        return *current_;
    }
    if (fonts_.size() >= kMaxKeptFonts) {
        DrawRun();  // it draws in one of them
        ::SelectObject(dc_, originalFont_);
        selected_ = nullptr;
        for (const auto& font : fonts_) ::DeleteObject(font->handle);
        fonts_.clear();
    }
    LOGFONTW description{};
    description.lfHeight = -wanted_.pixels;
    description.lfWeight = wanted_.bold ? FW_BOLD : FW_NORMAL;
    description.lfItalic = wanted_.italic;
    description.lfUnderline = wanted_.underline;
    description.lfStrikeOut = wanted_.strikethru;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfOutPrecision = OUT_TT_PRECIS;
    description.lfQuality = DEFAULT_QUALITY;
    // A NUL inside the name ends it there, as the system would read it.
    std::wcsncpy(description.lfFaceName, win32::Wide(wanted_.name), wanted_.name.size());
    auto font = std::make_unique<Font>();
    font->style = wanted_;
    font->handle = ::CreateFontIndirectW(&description);
    if (font->handle == nullptr) {
        description.lfFaceName[0] = L'\0';  // any face at that size and style
        font->handle = ::CreateFontIndirectW(&description);
    }
    if (font->handle == nullptr) throw std::runtime_error("cannot make a font");
    fonts_.push_back(std::move(font));
    current_ = fonts_.back().get();
    Select(*current_);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc_, &metrics);
    current_->height = metrics.tmHeight;
    return *current_;
}

void GdiDrawingSurface::Select(const Font& font) {
    if (selected_ == font.handle) return;
    ::SelectObject(dc_, font.handle);
    selected_ = font.handle;
}

void GdiDrawingSurface::SetTextColour(COLORREF colour) {
    if (colour == textColour_) return;
    ::SetTextColor(dc_, colour);
    textColour_ = colour;
}

float GdiDrawingSurface::Extent(const Font& font, std::u16string_view text) {
    Select(font);
    SIZE extent{};
    ::GetTextExtentPoint32W(dc_, win32::Wide(text), static_cast<int>(text.size()), &extent);
    return static_cast<float>(extent.cx);
}

float GdiDrawingSurface::Advance(Font& font, char16_t character) {
    return static_cast<float>(font.advances.Advance(character, [&](char16_t measured) {
        return static_cast<double>(Extent(font, std::u16string_view(&measured, 1)));
    }));
}

void GdiDrawingSurface::SetForeColor(std::int32_t colour) {
    // A packed colour value has red in the low byte, as a COLORREF does.
    foreColor_ = static_cast<COLORREF>(colour) & 0xFFFFFF;
}

void GdiDrawingSurface::Fill(const RECT& area, COLORREF colour) {
    const HBRUSH brush = ::CreateSolidBrush(colour);
    ::FillRect(dc_, &area, brush);
    ::DeleteObject(brush);
}

void GdiDrawingSurface::Invalidate() {
    if (invalidated_) return;
    ::InvalidateRect(window_, nullptr, FALSE);
    invalidated_ = true;
}

// The bitmap follows the client area's size; what was drawn stays at the top-left.
void GdiDrawingSurface::FitBitmap() {
    const SIZE wanted = client_;
    if (bitmap_ != nullptr && wanted.cx == size_.cx && wanted.cy == size_.cy) return;
    DrawRun();  // into the bitmap it was printed on
    const HDC screen = ::GetDC(window_);
    const HBITMAP fitted = wanted.cx > 0 && wanted.cy > 0
                               ? ::CreateCompatibleBitmap(screen, wanted.cx, wanted.cy)
                               : nullptr;
    ::ReleaseDC(window_, screen);
    HDC previous = nullptr;
    if (fitted != nullptr && bitmap_ != nullptr) {
        previous = ::CreateCompatibleDC(dc_);
        ::SelectObject(previous, bitmap_);
    }
    ::SelectObject(dc_, fitted != nullptr ? static_cast<HGDIOBJ>(fitted) : originalBitmap_);
    if (fitted != nullptr) {
        Fill(RECT{0, 0, wanted.cx, wanted.cy}, backColor_);
        if (previous != nullptr) {
            ::BitBlt(dc_, 0, 0, std::min(size_.cx, wanted.cx), std::min(size_.cy, wanted.cy),
                     previous, 0, 0, SRCCOPY);
        }
    }
    if (previous != nullptr) ::DeleteDC(previous);
    if (bitmap_ != nullptr) ::DeleteObject(bitmap_);
    bitmap_ = fitted;
    size_ = fitted != nullptr ? wanted : SIZE{};
}

void GdiDrawingSurface::Cls() {
    drawn_.Clear();
    run_.text.clear();  // the fill covers it
    run_.advances.clear();
    RefreshMetrics();
    FitBitmap();
    if (bitmap_ != nullptr) Fill(RECT{0, 0, size_.cx, size_.cy}, backColor_);
    currentX_ = 0;
    currentY_ = 0;
    hasDrawing_ = true;
    Invalidate();
}

void GdiDrawingSurface::SetCurrentX(float x) { currentX_ = PenPixels(x, UnitsPerPixel()); }

void GdiDrawingSurface::SetCurrentY(float y) { currentY_ = PenPixels(y, UnitsPerPixel()); }

// The character joins the run when it goes where the run ends, in its font
// and colour: its advance is what the run's next character is placed by.
bool GdiDrawingSurface::Extend(Font& font, char16_t character, int left, int top) {
    if (run_.text.empty() || run_.font != &font || run_.colour != foreColor_ || run_.top != top ||
        run_.end != left) {
        return false;
    }
    const auto advance = static_cast<INT>(Advance(font, character));
    run_.text += static_cast<wchar_t>(character);
    run_.advances.push_back(advance);
    run_.end += advance;
    return true;
}

// One call for the whole run, each character at the place its own Print gave it.
void GdiDrawingSurface::DrawRun() {
    if (run_.text.empty()) return;
    Select(*run_.font);
    SetTextColour(run_.colour);
    ::ExtTextOutW(dc_, run_.left, run_.top, 0, nullptr, run_.text.c_str(),
                  static_cast<UINT>(run_.text.size()), run_.advances.data());
    run_.text.clear();
    run_.advances.clear();
}

void GdiDrawingSurface::Print(std::u16string_view text) {
    drawn_.Printed(text, currentX_);
    FitBitmap();
    hasDrawing_ = true;
    if (text.empty() || bitmap_ == nullptr) return;
    Font& font = CurrentFont();
    const float x = currentX_;
    const float y = currentY_;
    const auto width = [&] { return text.size() == 1 ? Advance(font, text[0]) : Extent(font, text); };
    if (!InkCanReach(x, y, font.height, size_.cx, size_.cy, width)) return;
    const auto left = static_cast<int>(std::lround(x));
    const auto top = static_cast<int>(std::lround(y));
    Invalidate();
    if (text.size() == 1 && Extend(font, text[0], left, top)) return;
    DrawRun();
    if (text.size() == 1) {
        const auto advance = static_cast<INT>(Advance(font, text[0]));
        run_ = Run{&font,    foreColor_,     left,
                   top,      left + advance, std::wstring(1, static_cast<wchar_t>(text[0])),
                   {advance}};
        return;
    }
    Select(font);
    SetTextColour(foreColor_);
    ::TextOutW(dc_, left, top, win32::Wide(text),
               static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX)));
}

float GdiDrawingSurface::TextWidth(std::u16string_view text) {
    Font& font = CurrentFont();
    const float pixels = text.size() == 1 ? Advance(font, text[0]) : Extent(font, text);
    return static_cast<float>(pixels * UnitsPerPixel());
}

RECT GdiDrawingSurface::PaintOnto(HDC target, const RECT& area) {
    DrawRun();
    invalidated_ = false;  // the paint under way shows all there is
    if (bitmap_ == nullptr) return RECT{};
    const RECT part{area.left, area.top, std::min(area.right, size_.cx),
                    std::min(area.bottom, size_.cy)};
    if (part.right <= part.left || part.bottom <= part.top) return RECT{};
    ::BitBlt(target, part.left, part.top, part.right - part.left, part.bottom - part.top, dc_,
             part.left, part.top, SRCCOPY);
    return part;
}

}  // namespace hueloom
