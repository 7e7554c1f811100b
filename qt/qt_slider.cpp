// The slider on Qt: every user move, by mouse, wheel or keyboard, raises Scroll.
#include "qt/qt_slider.h"

#include "qt/qt_scroll_bar.h"

namespace hueloom {

QtSlider::QtSlider(NotificationSink sink, QWidget* parent)
    : QSlider(Qt::Horizontal, parent), sink_(std::move(sink)) {
    setTickPosition(QSlider::NoTicks);
    setToolTip(QString::number(value()));
    // Every user move goes through triggerAction, which emits actionTriggered
    // with the new position set but before the value follows it.
    connect(this, &QAbstractSlider::actionTriggered, this,
            [this] { userMovePending_ = sliderPosition() != value(); });
    connect(this, &QAbstractSlider::valueChanged, this, [this] {
        ShowValueTip(*this);
        if (!std::exchange(userMovePending_, false)) return;  // set by code
        if (sink_) sink_(Notification::kScroll);
    });
}

}  // namespace hueloom
