// The picture box's drawing surface on Win32: GDI text into an off-screen bitmap.
#include "win32/gdi_drawing_surface.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cwchar>
#include <stdexcept>

#include "host/control_design.h"
#include "win32/win32_dpi.h"
#include "win32/win32_messages.h"

namespace hueloom {
namespace {

// GDI takes ints: a pen far off the bitmap is simply not drawn.
constexpr float kFarAway = 1.0e6F;

}  // namespace

GdiDrawingSurface::GdiDrawingSurface(HWND window, const COLORREF& backColor)
    : window_(window), backColor_(backColor), dc_(::CreateCompatibleDC(nullptr)) {
    if (dc_ == nullptr) throw std::runtime_error("cannot make a drawing surface");
    ::SetBkMode(dc_, TRANSPARENT);
    ::SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    originalFont_ = ::GetCurrentObject(dc_, OBJ_FONT);
    originalBitmap_ = ::GetCurrentObject(dc_, OBJ_BITMAP);
}

GdiDrawingSurface::~GdiDrawingSurface() {
    ::SelectObject(dc_, originalFont_);
    ::SelectObject(dc_, originalBitmap_);
    for (const auto& font : fonts_) ::DeleteObject(font->handle);
    if (bitmap_ != nullptr) ::DeleteObject(bitmap_);
    ::DeleteDC(dc_);
}

double GdiDrawingSurface::UnitsPerPixel() const {
    return scaleMode_ == kScaleModeTwips ? static_cast<double>(kTwipsPerInch) / DpiOf(window_)
                                         : 1.0;
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
    const double pixels = std::round(static_cast<double>(points_) * DpiOf(window_) / 72.0);
    wanted_.pixels = static_cast<int>(std::clamp(pixels, 1.0, 16384.0));
    if (current_ != nullptr && current_->style == wanted_) return *current_;
    const auto found = std::find_if(fonts_.begin(), fonts_.end(),
                                    [this](const auto& font) { return font->style == wanted_; });
    if (found != fonts_.end()) {
        current_ = found->get();
    } else {
        // Markup that cycles through many faces must not grow this without end.
        if (fonts_.size() >= kMaxFonts) {
            ::SelectObject(dc_, originalFont_);
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
        font->ascii.fill(-1);
        fonts_.push_back(std::move(font));
        current_ = fonts_.back().get();
        ::SelectObject(dc_, current_->handle);
        TEXTMETRICW metrics{};
        ::GetTextMetricsW(dc_, &metrics);
        current_->height = metrics.tmHeight;
    }
    ::SelectObject(dc_, current_->handle);
    return *current_;
}

float GdiDrawingSurface::Extent(std::u16string_view text) {
    SIZE extent{};
    ::GetTextExtentPoint32W(dc_, win32::Wide(text), static_cast<int>(text.size()), &extent);
    return static_cast<float>(extent.cx);
}

float GdiDrawingSurface::Advance(Font& font, char16_t character) {
    if (character < font.ascii.size()) {
        float& width = font.ascii[character];
        if (width < 0) width = Extent(std::u16string_view(&character, 1));
        return width;
    }
    auto [entry, added] = font.others.try_emplace(character, 0.0F);
    if (added) entry->second = Extent(std::u16string_view(&character, 1));
    return entry->second;
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

// The bitmap follows the client area's size; what was drawn stays at the top-left.
void GdiDrawingSurface::FitBitmap() {
    RECT client{};
    ::GetClientRect(window_, &client);
    const SIZE wanted{std::max(client.right, 0L), std::max(client.bottom, 0L)};
    if (bitmap_ != nullptr && wanted.cx == size_.cx && wanted.cy == size_.cy) return;
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
    FitBitmap();
    if (bitmap_ != nullptr) Fill(RECT{0, 0, size_.cx, size_.cy}, backColor_);
    currentX_ = 0;
    currentY_ = 0;
    hasDrawing_ = true;
    ::InvalidateRect(window_, nullptr, FALSE);
}

void GdiDrawingSurface::SetCurrentX(float x) {
    currentX_ = static_cast<float>(x / UnitsPerPixel());
}

void GdiDrawingSurface::SetCurrentY(float y) {
    currentY_ = static_cast<float>(y / UnitsPerPixel());
}

void GdiDrawingSurface::Print(std::u16string_view text) {
    FitBitmap();
    hasDrawing_ = true;
    if (text.empty() || bitmap_ == nullptr) return;
    Font& font = CurrentFont();
    const float x = currentX_;
    const float y = currentY_;
    // Ink can overhang the advance box (italics, accents): a font height of
    // slack on every side keeps every glyph that could touch the bitmap. The
    // tests are written so that a pen at NaN draws nothing.
    const auto slack = static_cast<float>(font.height);
    if (!(x < size_.cx + slack && y < size_.cy + slack && y + 2 * slack > 0)) return;
    if (!(x > -kFarAway && y > -kFarAway)) return;
    if (x < 0) {
        const float width = text.size() == 1 ? Advance(font, text[0]) : Extent(text);
        if (x + width + slack <= 0) return;
    }
    ::SetTextColor(dc_, foreColor_);
    ::TextOutW(dc_, static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)),
               win32::Wide(text), static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX)));
    ::InvalidateRect(window_, nullptr, FALSE);
}

float GdiDrawingSurface::TextWidth(std::u16string_view text) {
    Font& font = CurrentFont();
    const float pixels = text.size() == 1 ? Advance(font, text[0]) : Extent(text);
    return static_cast<float>(pixels * UnitsPerPixel());
}

RECT GdiDrawingSurface::PaintOnto(HDC target, const RECT& area) const {
    if (bitmap_ == nullptr) return RECT{};
    const RECT part{area.left, area.top, std::min(area.right, size_.cx),
                    std::min(area.bottom, size_.cy)};
    if (part.right <= part.left || part.bottom <= part.top) return RECT{};
    ::BitBlt(target, part.left, part.top, part.right - part.left, part.bottom - part.top, dc_,
             part.left, part.top, SRCCOPY);
    return part;
}

}  // namespace hueloom
