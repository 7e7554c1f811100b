// The stand-in chat room's transcript: every posted line, drawn as the chat shows it.
#include "standin/transcript_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "standin/chat_line_picture.h"

namespace hueloom {
namespace {

constexpr int kMargin = 6;
constexpr int kLineGap = 4;

}  // namespace

TranscriptView::TranscriptView(QWidget* parent)
    : QWidget(parent), content_(2 * kMargin, 2 * kMargin) {
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kChatBackground);
    setPalette(colours);
}

void TranscriptView::AppendLine(const std::u16string& markup) {
    QImage picture = DrawChatLine(markup);
    const int top = entries_.empty() ? kMargin : content_.height() - kMargin + kLineGap;
    content_ = QSize(std::max(content_.width(), picture.width() + 2 * kMargin),
                     top + picture.height() + kMargin);
    entries_.push_back({markup, std::move(picture), top});
    setMinimumSize(content_);
    updateGeometry();
    update();
}

std::vector<std::u16string> TranscriptView::Lines() const {
    std::vector<std::u16string> lines;
    lines.reserve(entries_.size());
    for (const Entry& entry : entries_) lines.push_back(entry.markup);
    return lines;
}

QRect TranscriptView::LineRect(std::size_t index) const {
    if (index >= entries_.size()) return {};
    const Entry& entry = entries_[index];
    return QRect(QPoint(kMargin, entry.top), entry.picture.size());
}

QSize TranscriptView::sizeHint() const { return content_; }

void TranscriptView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect dirty = event->rect();
    for (const Entry& entry : entries_) {
        const QRect area(QPoint(kMargin, entry.top), entry.picture.size());
        if (area.intersects(dirty)) painter.drawImage(area.topLeft(), entry.picture);
    }
}

}  // namespace hueloom
