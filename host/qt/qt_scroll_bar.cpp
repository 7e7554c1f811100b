// A vertical scroll bar on Qt: Qt's slider signals turned into Scroll and Change.
#include "host/qt/qt_scroll_bar.h"

#include <QToolTip>

namespace hueloom {

QtScrollBar::QtScrollBar(NotificationSink sink, QWidget* parent)
    : QScrollBar(Qt::Vertical, parent), sink_(std::move(sink)) {
    setFocusPolicy(Qt::StrongFocus);  // bars take the keyboard in the tab order
    setToolTip(QString::number(value()));
    // sliderMoved comes before value() changes; valueChanged comes after.
    connect(this, &QAbstractSlider::sliderPressed, this, [this] { valueAtPress_ = value(); });
    connect(this, &QAbstractSlider::valueChanged, this, &QtScrollBar::OnValueChanged);
    connect(this, &QAbstractSlider::sliderReleased, this, &QtScrollBar::OnSliderReleased);
}

void QtScrollBar::OnValueChanged() {
    ShowValueTip(*this);
    if (!sink_) return;
    // A drag raises Scroll; arrows, track, keyboard, wheel and code raise Change.
    sink_(isSliderDown() ? Notification::kScroll : Notification::kChange);
}

void QtScrollBar::OnSliderReleased() {
    if (value() != valueAtPress_ && sink_) sink_(Notification::kChange);
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
