// Advances and heights of the drawing surface's fonts, measured once per character.
#include "qt/qt_glyph_widths.h"

#include <QChar>
#include <QFont>

namespace hueloom {

GlyphWidths::Table::Table(const QFont& font, const QImage& device)
    : metrics(font, &device), ascent(metrics.ascent()), height(metrics.height()) {}

GlyphWidths::GlyphWidths() : device_(1, 1, QImage::Format_RGB32) {}

GlyphWidths::~GlyphWidths() = default;

void GlyphWidths::SetFont(const QFont& font) {
    const QString key = font.key();
    auto found = tables_.find(key);
    if (found == tables_.end()) {
        if (tables_.size() >= kMaxKeptFonts) tables_.clear();
        found = tables_.emplace(key, std::make_unique<Table>(font, device_)).first;
    }
    current_ = found->second.get();
}

qreal GlyphWidths::Advance(char16_t character) {
    return current_->advances.Advance(character, [this](char16_t measured) {
        return current_->metrics.horizontalAdvance(QChar(measured));
    });
}

qreal GlyphWidths::Advance(const QString& text) const {
    return current_->metrics.horizontalAdvance(text);
}

}  // namespace hueloom
