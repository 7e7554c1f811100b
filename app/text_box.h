// The text box: a line edit that raises Change once per change of its text,
// after it has finished handling the event that made the change.
#pragma once

#include <QLineEdit>

namespace hueloom {

// Qt announces textChanged before the line edit has laid out and scheduled
// the repaint of its new text; a handler that lets events run at that point
// would paint the box half-updated, and the box would paint twice. Change
// comes once the event is handled (at once for a change made by code).
class TextBox : public QLineEdit {
    Q_OBJECT

  public:
    explicit TextBox(QWidget* parent = nullptr);

  signals:
    void Change();

  protected:
    bool event(QEvent* event) override;

  private:
    int eventDepth_ = 0;
    int pendingChanges_ = 0;
};

}  // namespace hueloom
