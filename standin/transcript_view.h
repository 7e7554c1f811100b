// The stand-in chat room's transcript: every posted line, drawn as the chat shows it.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <string>
#include <vector>

#include "host/control_help.h"
#include "qt/drawn_text_accessible.h"

namespace hueloom {

// Oldest line at the top; meant to sit in a scroll area, which it grows with.
// A screen reader reads it as read-only text, one line per line shown, with
// a caret the arrow keys move.
class TranscriptView : public QWidget, public DrawnTextView {
    Q_OBJECT

  public:
    explicit TranscriptView(QWidget* parent = nullptr);

    // Draws the markup once, now, and keeps the picture.
    void AppendLine(const std::u16string& markup);
    std::vector<std::u16string> Lines() const;
    // Where the line of that index lies in this widget.
    QRect LineRect(std::size_t index) const;

    QSize sizeHint() const override;

    QString PlainText() const override { return text_; }
    QRect CharacterRect(int offset) const override;
    int Caret() const override { return caret_; }
    void SetCaret(int offset) override;

  signals:
    // The caret went to this rectangle; the scroll area brings it into view.
    void caretMoved(const QRect& character);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    struct Entry {
        std::u16string markup;
        QImage picture;
        int top;
    };

    std::vector<Entry> entries_;
    QSize content_;
    // Every line's text, lines ended by "\n", and each character's box here.
    QString text_;
    std::vector<CharacterBox> boxes_;
    int caret_ = 0;
};

}  // namespace hueloom
