// A vertical scroll bar on Qt: Qt's slider signals fed to the drag rule.
#include "qt/qt_scroll_bar.h"

#include <QToolTip>

namespace hueloom {

QtScrollBar::QtScrollBar(NotificationSink sink, QWidget* parent)
    : QScrollBar(Qt::Vertical, parent), sink_(std::move(sink)), shownValue_(value()) {
    setFocusPolicy(Qt::StrongFocus);  // bars take the keyboard in the tab order
    setToolTip(QString::number(value()));
    // sliderMoved comes before value() changes; valueChanged comes after.
    connect(this, &QAbstractSlider::sliderPressed, this, [this] { drag_.Press(value()); });
    connect(this, &QAbstractSlider::valueChanged, this, &QtScrollBar::OnValueChanged);
    connect(this, &QAbstractSlider::sliderReleased, this,
            [this] { Raise(drag_.Released(value())); });
}

void QtScrollBar::OnValueChanged(int value) {
    ShowValueTip(*this);
    // A drag raises Scroll; arrows, track, keyboard, wheel and code raise Change.
    Raise(drag_.Moved(std::exchange(shownValue_, value), value));
}

void QtScrollBar::Raise(std::optional<Notification> notification) {
    if (notification && sink_) sink_(*notification);
}

void ShowValueTip(QAbstractSlider& control) {
    const QString value = QString::number(control.value());
    control.setToolTip(value);
    // Only while the user moves it: a value set by code raises no tip.
    if (control.isVisible() &&
        (control.isSliderDown() || control.underMouse() || control.hasFocus())) {
        QToolTip::showText(control.mapToGlobal(QPoint(control.width(), 0)), value, &control);
    }
}

}  // namespace hueloom
