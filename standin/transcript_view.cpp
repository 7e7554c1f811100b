// The stand-in chat room's transcript: every posted line, drawn as the chat shows it.
#include "standin/transcript_view.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "standin/chat_line_picture.h"

namespace hueloom {
namespace {

constexpr int kMargin = 6;
constexpr int kLineGap = 4;

QAccessibleInterface* TranscriptAccessibleFor(const QString&, QObject* object) {
    auto* view = qobject_cast<TranscriptView*>(object);
    return view != nullptr ? new DrawnTextAccessible(view, *view) : nullptr;
}

}  // namespace

TranscriptView::TranscriptView(QWidget* parent)
    : QWidget(parent), content_(2 * kMargin, 2 * kMargin) {
    static const bool installed = [] {
        QAccessible::installFactory(&TranscriptAccessibleFor);
        return true;
    }();
    (void)installed;
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kChatBackground);
    setPalette(colours);
    setFocusPolicy(Qt::StrongFocus);
}

void TranscriptView::AppendLine(const std::u16string& markup) {
    DrawnChatLine line = DrawChatLine(markup);
    const int top = entries_.empty() ? kMargin : content_.height() - kMargin + kLineGap;
    content_ = QSize(std::max(content_.width(), line.picture.width() + 2 * kMargin),
                     top + line.picture.height() + kMargin);

    // The new line's text after a line break, its boxes moved to where it is shown.
    QString added = entries_.empty() ? QString() : QStringLiteral("\n");
    added += QString::fromStdU16String(line.text);
    const int position = int(text_.size());
    if (!entries_.empty()) {
        const CharacterBox last = boxes_.empty() ? CharacterBox{kMargin, 0, 0, 0} : boxes_.back();
        boxes_.push_back({last.left + last.width, last.top, 0, last.height});
    }
    for (CharacterBox box : line.boxes) {
        box.left += kMargin;
        box.top += static_cast<float>(top);
        boxes_.push_back(box);
    }
    boxes_.resize(static_cast<std::size_t>(position + added.size()));
    text_ += added;

    entries_.push_back({markup, std::move(line.picture), top});
    setMinimumSize(content_);
    updateGeometry();
    update();
    if (QAccessible::isActive() && !added.isEmpty()) {
        QAccessibleTextInsertEvent event(this, position, added);
        QAccessible::updateAccessibility(&event);
    }
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

QRect TranscriptView::CharacterRect(int offset) const { return BoxAt(boxes_, offset, QPoint()); }

void TranscriptView::SetCaret(int offset) {
    offset = std::clamp(offset, 0, int(text_.size()));
    if (offset == caret_) return;
    caret_ = offset;
    update();
    emit caretMoved(CharacterRect(caret_));
    AnnounceCaret(*this, caret_);
}

void TranscriptView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect dirty = event->rect();
    for (const Entry& entry : entries_) {
        const QRect area(QPoint(kMargin, entry.top), entry.picture.size());
        if (area.intersects(dirty)) painter.drawImage(area.topLeft(), entry.picture);
    }
    if (hasFocus()) PaintCaret(painter, CharacterRect(caret_));
}

void TranscriptView::keyPressEvent(QKeyEvent* event) {
    const int caret = CaretAfterKey(text_, caret_, event->key(), event->modifiers());
    if (caret < 0) {
        QWidget::keyPressEvent(event);  // Page Up and Down go on to the scroll area
        return;
    }
    SetCaret(caret);
}

}  // namespace hueloom
