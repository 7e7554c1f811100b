// Text that a widget draws itself, as a screen reader reads it: read-only
// text with a caret and the place of every character.
#pragma once

#include <QAccessibleWidget>
#include <QRect>
#include <QString>
#include <span>

#include "host/control_help.h"

class QPainter;
class QWidget;

namespace hueloom {

// What a widget that draws its own text tells its accessible object.
class DrawnTextView {
  public:
    // Plain text, lines ended by "\n".
    virtual QString PlainText() const = 0;
    // In the widget's coordinates; empty where the character's place is unknown.
    virtual QRect CharacterRect(int offset) const = 0;
    virtual int Caret() const = 0;
    virtual void SetCaret(int offset) = 0;

  protected:
    ~DrawnTextView() = default;
};

// Read-only multi-line text on AT-SPI (role "text"), which a screen reader
// reads line by line at the caret, and which is its value too.
class DrawnTextAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    DrawnTextAccessible(QWidget* widget, DrawnTextView& view);

    // Without this Qt's bridge carries neither the text nor its events.
    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text kind) const override;

    void selection(int, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return view_.Caret(); }
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int) override { setCursorPosition(startIndex); }
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

  private:
    DrawnTextView& view_;
};

// Where a key moves the caret in text: Left and Right by a code unit, Up and
// Down by a line keeping the column, Home and End to the line's ends, with
// Ctrl to the text's. -1 for any other key.
int CaretAfterKey(const QString& text, int caret, int key, Qt::KeyboardModifiers modifiers);

// The one stretch that differs between two texts.
struct TextChange {
    int position = 0;
    QString removed;
    QString inserted;
};
TextChange ChangeBetween(const QString& before, const QString& after);

// Tells a listening screen reader what changed in the widget's text.
void AnnounceTextChange(QWidget& widget, const QString& before, const QString& after);
void AnnounceCaret(QWidget& widget, int caret);

// The box of the character at offset, moved by origin; at the end of the
// text an empty box after its last character, where a caret stands.
QRect BoxAt(std::span<const CharacterBox> boxes, int offset, QPoint origin);

// A one-pixel caret at the left of the character's box.
void PaintCaret(QPainter& painter, const QRect& character);

}  // namespace hueloom
