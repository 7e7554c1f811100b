// Advances and heights of the drawing surface's fonts, measured once per character.
#include "qt/qt_glyph_widths.h"

#include <QChar>
#include <QFont>

namespace hueloom {

GlyphWidths::Table::Table(const QFont& font, const QImage& device)
    : metrics(font, &device), ascent(metrics.ascent()), height(metrics.height()) {
    ascii.fill(-1);
}

GlyphWidths::GlyphWidths() : device_(1, 1, QImage::Format_RGB32) {}

GlyphWidths::~GlyphWidths() = default;

void GlyphWidths::SetFont(const QFont& font) {
    const QString key = font.key();
    auto found = tables_.find(key);
    if (found == tables_.end()) {
        // A markup that cycles through many faces must not grow this without end.
        if (tables_.size() >= kMaxTables) tables_.clear();
        found = tables_.emplace(key, std::make_unique<Table>(font, device_)).first;
    }
    current_ = found->second.get();
}

qreal GlyphWidths::Advance(char16_t character) {
    if (character < current_->ascii.size()) {
        qreal& width = current_->ascii[character];
        if (width < 0) width = current_->metrics.horizontalAdvance(QChar(character));
        return width;
    }
    auto [entry, added] = current_->others.try_emplace(character, 0.0);
    if (added) entry->second = current_->metrics.horizontalAdvance(QChar(character));
    return entry->second;
}

qreal GlyphWidths::Advance(const QString& text) const {
    return current_->metrics.horizontalAdvance(text);
}

}  // namespace hueloom
