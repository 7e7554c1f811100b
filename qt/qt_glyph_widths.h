// Advances and heights of the drawing surface's fonts, measured once per character.
#pragma once

#include <QFontMetricsF>
#include <QImage>
#include <QString>
#include <map>
#include <memory>

#include "host/glyph_advances.h"

class QFont;

namespace hueloom {

// Measures at the resolution of the surface's images (96 dots per inch), so
// what is measured is what is painted. Keeps a table per font, so switching
// between a few styles and back costs nothing.
class GlyphWidths {
  public:
    GlyphWidths();
    ~GlyphWidths();
    GlyphWidths(const GlyphWidths&) = delete;
    GlyphWidths& operator=(const GlyphWidths&) = delete;

    void SetFont(const QFont& font);
    qreal Advance(char16_t character);
    qreal Advance(const QString& text) const;
    qreal Ascent() const { return current_->ascent; }
    qreal Height() const { return current_->height; }

  private:
    struct Table {
        Table(const QFont& font, const QImage& device);
        QFontMetricsF metrics;
        qreal ascent, height;
        GlyphAdvances advances;
    };

    QImage device_;  // a one-pixel image, only for its resolution
    std::map<QString, std::unique_ptr<Table>> tables_;
    Table* current_ = nullptr;
};

}  // namespace hueloom
