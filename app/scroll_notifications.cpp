// Qt's slider signals turned into Scroll and Change notifications.
#include "app/scroll_notifications.h"

#include <QAbstractSlider>
#include <memory>

namespace hueloom {

void ConnectScrollBarNotifications(QAbstractSlider& bar, Notification scroll, Notification change) {
    // sliderMoved comes before value() changes; valueChanged comes after.
    auto valueAtPress = std::make_shared<int>(bar.value());
    QAbstractSlider* source = &bar;
    QObject::connect(&bar, &QAbstractSlider::sliderPressed, &bar,
                     [source, valueAtPress] { *valueAtPress = source->value(); });
    QObject::connect(&bar, &QAbstractSlider::valueChanged, &bar, [source, scroll, change] {
        const Notification& raised = source->isSliderDown() ? scroll : change;
        if (raised) raised();
    });
    QObject::connect(&bar, &QAbstractSlider::sliderReleased, &bar, [source, valueAtPress, change] {
        if (source->value() != *valueAtPress && change) change();
    });
}

void ConnectSliderScroll(QAbstractSlider& slider, Notification scroll) {
    // Every user move goes through triggerAction, which emits actionTriggered
    // with the new position set but before the value follows it.
    auto userMovePending = std::make_shared<bool>(false);
    QAbstractSlider* source = &slider;
    QObject::connect(&slider, &QAbstractSlider::actionTriggered, &slider,
                     [source, userMovePending] {
                         *userMovePending = source->sliderPosition() != source->value();
                     });
    QObject::connect(&slider, &QAbstractSlider::valueChanged, &slider, [userMovePending, scroll] {
        if (!*userMovePending) return;
        *userMovePending = false;
        if (scroll) scroll();
    });
}

}  // namespace hueloom
