// An option button on Qt: siblings on the window form one exclusive group.
#pragma once

#include <QRadioButton>

#include "host/controls.h"

namespace hueloom {

class QtOptionButton final : public QRadioButton, public OptionButton {
    Q_OBJECT

  public:
    QtOptionButton(const QString& caption, QWidget* parent) : QRadioButton(caption, parent) {}
    bool Value() override { return isChecked(); }
};

}  // namespace hueloom
