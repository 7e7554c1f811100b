// A drawing surface that draws nothing and records how far the text reaches.
#pragma once

#include <QSizeF>

#include "host/drawing_surface.h"
#include "qt/qt_drawing_surface.h"
#include "qt/qt_glyph_widths.h"

namespace hueloom {

// Lets a Qt surface choose the fonts and measure the text, so that a surface
// of the resulting size holds every character the markup draws. Positions are
// taken in pixels, the scale mode the renderer draws in.
class ExtentSurface final : public DrawingSurface {
  public:
    explicit ExtentSurface(QtDrawingSurface& measurer);

    QSizeF Extent() const { return extent_; }

    std::int16_t ScaleMode() override { return measurer_.ScaleMode(); }
    void SetScaleMode(std::int16_t mode) override { measurer_.SetScaleMode(mode); }
    void SetFontName(std::u16string_view name) override;
    void SetFontSize(float points) override;
    void SetFontBold(bool on) override;
    void SetFontItalic(bool on) override;
    void SetFontUnderline(bool on) override;
    void SetFontStrikethru(bool on) override;
    void SetAutoRedraw(bool) override {}
    void SetForeColor(std::int32_t) override {}
    void Cls() override;
    void SetCurrentX(float x) override { currentX_ = x; }
    void SetCurrentY(float y) override { currentY_ = y; }
    void Print(std::u16string_view text) override;
    float TextWidth(std::u16string_view text) override { return measurer_.TextWidth(text); }

  private:
    void FontChanged() { heights_.SetFont(measurer_.font()); }

    QtDrawingSurface& measurer_;
    GlyphWidths heights_;
    QSizeF extent_;
    float currentX_ = 0;
    float currentY_ = 0;
};

}  // namespace hueloom
