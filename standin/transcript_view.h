// The stand-in chat room's transcript: every posted line, drawn as the chat shows it.
#pragma once

#include <QImage>
#include <QWidget>
#include <string>
#include <vector>

namespace hueloom {

// Oldest line at the top; meant to sit in a scroll area, which it grows with.
class TranscriptView : public QWidget {
    Q_OBJECT

  public:
    explicit TranscriptView(QWidget* parent = nullptr);

    // Draws the markup once, now, and keeps the picture.
    void AppendLine(const std::u16string& markup);
    std::vector<std::u16string> Lines() const;
    // Where the line of that index lies in this widget.
    QRect LineRect(std::size_t index) const;

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Entry {
        std::u16string markup;
        QImage picture;
        int top;
    };

    std::vector<Entry> entries_;
    QSize content_;
};

}  // namespace hueloom
