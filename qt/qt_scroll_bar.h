// A vertical scroll bar on Qt: Scroll while its thumb is dragged, Change for
// every other move, and its value in a tooltip.
#pragma once

#include <QScrollBar>

#include "host/controls.h"
#include "host/scroll_drag.h"

namespace hueloom {

class QtScrollBar final : public QScrollBar, public ScrollBar {
    Q_OBJECT

  public:
    QtScrollBar(NotificationSink sink, QWidget* parent);
    int Value() override { return value(); }

  private:
    // Raised once value() holds what the user has just set.
    void OnValueChanged(int value);
    void Raise(std::optional<Notification> notification);

    NotificationSink sink_;
    ScrollDrag drag_;
    int shownValue_ = 0;  // the value before the latest change
};

// Shows the control's value in a tooltip beside it: while it is being moved, at once.
void ShowValueTip(QAbstractSlider& control);

}  // namespace hueloom
