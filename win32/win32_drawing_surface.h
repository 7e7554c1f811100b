// The picture box's drawing surface on Win32: GDI drawing into an off-screen
// bitmap, which the box copies to the screen when it paints.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/control_help.h"
#include "host/drawing_surface.h"
#include "host/glyph_advances.h"
#include "win32/win32_handles.h"

namespace hueloom {

// The bitmap is the size of the window's client area (inside its border);
// coordinates are relative to it. Scale mode 1 is twips at the window's real
// dots per inch, 3 pixels; any other mode is kept as set and measured in
// pixels. Drawing is kept whatever AutoRedraw says, so a covered preview
// comes back whole.
//
// A keystroke draws a line one character at a time, so the surface spends
// no system call it can spare: the client size and the dpi are read at Cls
// and when the window tells of a change, the window is invalidated once
// between two paints, and characters that follow each other in one colour
// and font are drawn together, in one call, before the next paint.
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

    // Reads the window's client size and dpi again (its WM_SIZE, and the
    // dpi change that reaches a child window).
    void RefreshMetrics();
    // What was printed since the last Cls, as plain text.
    const std::u16string& drawnText() const { return drawn_.text(); }
    // True once anything was cleared or drawn: paint from the bitmap from then on.
    bool hasDrawing() const { return hasDrawing_; }
    // Copies the bitmap's part of the area onto the target (client
    // coordinates) and returns that part, empty when there is none. What
    // was printed since is drawn first.
    RECT PaintOnto(HDC target, const RECT& area);

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
        GlyphAdvances advances;
    };
    // Characters printed one after another in one font and colour, each
    // where the one before it ended, not yet drawn.
    struct Run {
        const Font* font = nullptr;
        COLORREF colour = 0;
        int left = 0, top = 0;
        int end = 0;  // where the next character of the run would go
        std::wstring text;
        std::vector<INT> advances;
    };
    double UnitsPerPixel() const;
    Font& CurrentFont();
    void Select(const Font& font);
    void SetTextColour(COLORREF colour);
    float Advance(Font& font, char16_t character);
    float Extent(const Font& font, std::u16string_view text);
    bool Extend(Font& font, char16_t character, int left, int top);
    void DrawRun();
    void Invalidate();
    void FitBitmap();
    void Fill(const RECT& area, COLORREF colour);

    HWND window_;
    const COLORREF& backColor_;
    HDC dc_;
    HGDIOBJ originalBitmap_ = nullptr;
    HGDIOBJ originalFont_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    SIZE size_{};    // the bitmap's
    SIZE client_{};  // the window's client area, as last read
    int dpi_ = 96;
    float points_ = 10;
    FontStyle wanted_;
    Font* current_ = nullptr;  // null when wanted_ changed since
    std::vector<std::unique_ptr<Font>> fonts_;
    HFONT selected_ = nullptr;  // the font in the device context
    COLORREF textColour_ = 0;   // the device context's text colour
    Run run_;
    std::int16_t scaleMode_ = kScaleModeTwips;
    COLORREF foreColor_ = 0;
    float currentX_ = 0;  // in pixels
    float currentY_ = 0;
    bool autoRedraw_ = false;
    bool hasDrawing_ = false;
    bool invalidated_ = false;  // since the last paint
    DrawnText drawn_;
};

}  // namespace hueloom
