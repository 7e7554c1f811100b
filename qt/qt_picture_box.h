// The picture box on Qt: a sunken box that paints its background colour and
// what the renderer drew on its surface.
#pragma once

#include <QFrame>
#include <cstdint>
#include <memory>

#include "host/control_design.h"
#include "host/controls.h"

namespace hueloom {

class QtDrawingSurface;

class QtPictureBox final : public QFrame, public PictureBox {
    Q_OBJECT

  public:
    // Starts in the button-face colour, focusable, with a sunken border. The
    // value tells a screen reader its colour or what is drawn on it.
    QtPictureBox(AccessibleValue value, QWidget* parent);
    ~QtPictureBox() override;

    // The colour is the same in every state, and its #RRGGBB shows in a tooltip.
    void SetBackColor(std::int32_t colour) override;
    void SetEnabled(bool enabled) override { setEnabled(enabled); }
    // Made on first use, kept from then on.
    DrawingSurface& Surface() override;

    AccessibleValue accessibleValue() const { return accessibleValue_; }
    // The value as a screen reader hears it; empty when it has none.
    QString accessibleValueText() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    AccessibleValue accessibleValue_;
    std::int32_t colour_;  // packed, as shown
    std::unique_ptr<QtDrawingSurface> surface_;
};

}  // namespace hueloom
