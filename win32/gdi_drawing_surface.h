// The picture box's drawing surface on Win32: GDI drawing into an off-screen
// bitmap, which the box copies to the screen when it paints.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/drawing_surface.h"
#include "win32/win32_handles.h"

namespace hueloom {

// The bitmap is the size of the window's client area (inside its border);
// coordinates are relative to it. Scale mode 1 is twips at the window's real
// dots per inch, 3 pixels; any other mode is kept as set and measured in
// pixels. Drawing is kept whatever AutoRedraw says, so a covered preview
// comes back whole.
class GdiDrawingSurface final : public DrawingSurface {
  public:
    // backColor is the box's colour, read at every Cls.
    GdiDrawingSurface(HWND window, const COLORREF& backColor);
    ~GdiDrawingSurface() override;
    GdiDrawingSurface(const GdiDrawingSurface&) = delete;
    GdiDrawingSurface& operator=(const GdiDrawingSurface&) = delete;

    std::int16_t ScaleMode() override { return scaleMode_; }
    void SetScaleMode(std::int16_t mode) override { scaleMode_ = mode; }
    void SetFontName(std::u16string_view name) override;
    void SetFontSize(float points) override;
    void SetFontBold(bool on) override;
    void SetFontItalic(bool on) override;
    void SetFontUnderline(bool on) override;
    void SetFontStrikethru(bool on) override;
    void SetAutoRedraw(bool on) override { autoRedraw_ = on; }
    void SetForeColor(std::int32_t colour) override;
    void Cls() override;
    void SetCurrentX(float x) override;
    void SetCurrentY(float y) override;
    void Print(std::u16string_view text) override;
    float TextWidth(std::u16string_view text) override;

    // True once anything was cleared or drawn: paint from the bitmap from then on.
    bool hasDrawing() const { return hasDrawing_; }
    // Copies the bitmap's part of the area onto the target (client
    // coordinates) and returns that part, empty when there is none.
    RECT PaintOnto(HDC target, const RECT& area) const;

  private:
    struct FontStyle {
        std::u16string name = u"Arial";
        int pixels = 13;
        bool bold = false, italic = false, underline = false, strikethru = false;
        bool operator==(const FontStyle&) const = default;
    };
    struct Font {
        FontStyle style;
        HFONT handle = nullptr;
        int height = 0;
        std::array<float, 128> ascii;  // negative: not measured yet
        std::unordered_map<char16_t, float> others;
    };
    static constexpr std::size_t kMaxFonts = 16;

    double UnitsPerPixel() const;
    Font& CurrentFont();
    float Advance(Font& font, char16_t character);
    float Extent(std::u16string_view text);
    void FitBitmap();
    void Fill(const RECT& area, COLORREF colour);

    HWND window_;
    const COLORREF& backColor_;
    HDC dc_;
    HGDIOBJ originalBitmap_ = nullptr;
    HGDIOBJ originalFont_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    SIZE size_{};
    float points_ = 10;
    FontStyle wanted_;
    Font* current_ = nullptr;  // null when wanted_ changed since
    std::vector<std::unique_ptr<Font>> fonts_;
    std::int16_t scaleMode_ = kScaleModeTwips;
    COLORREF foreColor_ = 0;
    float currentX_ = 0;  // in pixels
    float currentY_ = 0;
    bool autoRedraw_ = false;
    bool hasDrawing_ = false;
};

}  // namespace hueloom
