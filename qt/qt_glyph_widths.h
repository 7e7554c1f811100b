// Advances and heights of the drawing surface's fonts, measured once per character.
#pragma once

#include <QFontMetricsF>
#include <QImage>
#include <QString>
#include <array>
#include <map>
#include <memory>
#include <unordered_map>

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
        std::array<qreal, 128> ascii;  // negative: not measured yet
        std::unordered_map<char16_t, qreal> others;
    };
    static constexpr std::size_t kMaxTables = 16;

    QImage device_;  // a one-pixel image, only for its resolution
    std::map<QString, std::unique_ptr<Table>> tables_;
    Table* current_ = nullptr;
};

}  // namespace hueloom
