// Qt's slider signals turned into the notifications the handlers expect,
// raised only once the control's value() holds what the user has just set.
#pragma once

#include <functional>

class QAbstractSlider;

namespace hueloom {

using Notification = std::function<void()>;

// A scroll bar: Scroll for every value change while its thumb is held down
// (a drag); Change for every other value change (arrow, track, keyboard,
// wheel, code) and once when a drag that changed the value ends. Either may be empty.
void ConnectScrollBarNotifications(QAbstractSlider& bar, Notification scroll, Notification change);

// A slider: Scroll for every value change the user makes, by mouse, wheel or
// keyboard; a value set by code raises nothing.
void ConnectSliderScroll(QAbstractSlider& slider, Notification scroll);

}  // namespace hueloom
