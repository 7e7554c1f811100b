// The text box on Qt: a line edit that raises Change once per change of its
// text, after it has finished handling the event that made the change.
#pragma once

#include <QLineEdit>

#include "host/controls.h"

namespace hueloom {

// Qt announces textChanged before the line edit has laid out and scheduled
// the repaint of its new text; a handler that lets events run at that point
// would paint the box half-updated, and the box would paint twice. Change
// comes once the event is handled (at once for a change made by code).
class QtTextBox final : public QLineEdit, public TextBox {
    Q_OBJECT

  public:
    QtTextBox(NotificationSink sink, QWidget* parent);
    std::u16string Text() override { return text().toStdU16String(); }
    // Base is the text box's background in every colour group.
    void SetBackColor(std::int32_t colour) override;

  protected:
    bool event(QEvent* event) override;

  private:
    void RaiseChange();

    NotificationSink sink_;
    int eventDepth_ = 0;
    int pendingChanges_ = 0;
};

}  // namespace hueloom
