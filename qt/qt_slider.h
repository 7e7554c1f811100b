// The slider on Qt: Scroll for every move the user makes, and its value in a tooltip.
#pragma once

#include <QSlider>

#include "host/controls.h"

namespace hueloom {

class QtSlider final : public QSlider, public Slider {
    Q_OBJECT

  public:
    QtSlider(NotificationSink sink, QWidget* parent);
    int Value() override { return value(); }

  private:
    NotificationSink sink_;
    bool userMovePending_ = false;
};

}  // namespace hueloom
