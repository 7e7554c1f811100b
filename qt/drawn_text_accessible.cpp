// Text that a widget draws itself, as a screen reader reads it.
#include "qt/drawn_text_accessible.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace hueloom {
namespace {

int LineStart(const QString& text, int offset) {
    return offset == 0 ? 0 : int(text.lastIndexOf(u'\n', offset - 1)) + 1;
}

int LineEnd(const QString& text, int offset) {
    const qsizetype end = text.indexOf(u'\n', offset);
    return end < 0 ? int(text.size()) : int(end);
}

}  // namespace

DrawnTextAccessible::DrawnTextAccessible(QWidget* widget, DrawnTextView& view)
    : QAccessibleWidget(widget, QAccessible::EditableText), view_(view) {}

void* DrawnTextAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State DrawnTextAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    return state;
}

QString DrawnTextAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Value) return view_.PlainText();
    return QAccessibleWidget::text(kind);
}

void DrawnTextAccessible::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
}

void DrawnTextAccessible::setCursorPosition(int position) {
    view_.SetCaret(std::clamp(position, 0, characterCount()));
}

QString DrawnTextAccessible::text(int startOffset, int endOffset) const {
    const QString all = view_.PlainText();
    // -1 is "to the end", as AT-SPI clients ask for the whole text.
    if (endOffset < 0 || endOffset > all.size()) endOffset = int(all.size());
    startOffset = std::clamp(startOffset, 0, endOffset);
    return all.mid(startOffset, endOffset - startOffset);
}

int DrawnTextAccessible::characterCount() const { return int(view_.PlainText().size()); }

QRect DrawnTextAccessible::characterRect(int offset) const {
    const QRect inWidget = view_.CharacterRect(offset);
    if (inWidget.isNull()) return {};
    return QRect(widget()->mapToGlobal(inWidget.topLeft()), inWidget.size());
}

int DrawnTextAccessible::offsetAtPoint(const QPoint& point) const {
    const QPoint local = widget()->mapFromGlobal(point);
    const int count = characterCount();
    for (int offset = 0; offset < count; ++offset) {
        if (view_.CharacterRect(offset).contains(local)) return offset;
    }
    return -1;
}

// Plain text: no runs of attributes to tell.
QString DrawnTextAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = std::max(characterCount(), offset);
    return {};
}

int CaretAfterKey(const QString& text, int caret, int key, Qt::KeyboardModifiers modifiers) {
    const int size = int(text.size());
    caret = std::clamp(caret, 0, size);
    const bool whole = modifiers.testFlag(Qt::ControlModifier);
    const int start = LineStart(text, caret);
    switch (key) {
        case Qt::Key_Left:
            return std::max(caret - 1, 0);
        case Qt::Key_Right:
            return std::min(caret + 1, size);
        case Qt::Key_Home:
            return whole ? 0 : start;
        case Qt::Key_End:
            return whole ? size : LineEnd(text, caret);
        case Qt::Key_Up: {
            if (start == 0) return caret;
            const int above = LineStart(text, start - 1);
            return std::min(above + (caret - start), start - 1);
        }
        case Qt::Key_Down: {
            const int end = LineEnd(text, caret);
            if (end == size) return caret;
            return std::min(end + 1 + (caret - start), LineEnd(text, end + 1));
        }
        default:
            return -1;
    }
}

TextChange ChangeBetween(const QString& before, const QString& after) {
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < shorter && before[head] == after[head]) ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
        ++tail;
    }
    return {int(head), before.mid(head, before.size() - head - tail),
            after.mid(head, after.size() - head - tail)};
}

void AnnounceTextChange(QWidget& widget, const QString& before, const QString& after) {
    if (!QAccessible::isActive() || before == after) return;
    const TextChange change = ChangeBetween(before, after);
    QAccessibleTextUpdateEvent event(&widget, change.position, change.removed, change.inserted);
    QAccessible::updateAccessibility(&event);
}

void AnnounceCaret(QWidget& widget, int caret) {
    if (!QAccessible::isActive()) return;
    QAccessibleTextCursorEvent event(&widget, caret);
    QAccessible::updateAccessibility(&event);
}

QRect BoxAt(std::span<const CharacterBox> boxes, int offset, QPoint origin) {
    if (offset < 0 || boxes.empty() || std::size_t(offset) > boxes.size()) return {};
    CharacterBox box;
    if (std::size_t(offset) < boxes.size()) {
        box = boxes[std::size_t(offset)];
    } else {
        box = boxes.back();
        box.left += box.width;
        box.width = 0;
    }
    // Rounded edges, so neighbours meet without overlapping.
    const int left = int(std::lround(box.left));
    const int top = int(std::lround(box.top));
    return QRect(QPoint(left, top) + origin,
                 QSize(int(std::lround(box.left + box.width)) - left,
                       int(std::lround(box.top + box.height)) - top));
}

void PaintCaret(QPainter& painter, const QRect& character) {
    if (character.isNull()) return;
    painter.fillRect(QRect(character.left(), character.top(), 1, character.height()),
                     Qt::black);
}

}  // namespace hueloom
