// The picture box on Qt: a sunken box that paints its background colour and
// what the renderer drew on its surface.
#pragma once

#include <QFrame>
#include <cstdint>
#include <memory>

#include "host/controls.h"

namespace hueloom {

class QtDrawingSurface;

class QtPictureBox final : public QFrame, public PictureBox {
    Q_OBJECT

  public:
    // Starts in the button-face colour, focusable, with a sunken border.
    explicit QtPictureBox(QWidget* parent);
    ~QtPictureBox() override;

    // The colour is the same in every state, and its #RRGGBB shows in a tooltip.
    void SetBackColor(std::int32_t colour) override;
    void SetEnabled(bool enabled) override { setEnabled(enabled); }
    // Made on first use, kept from then on.
    DrawingSurface& Surface() override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::unique_ptr<QtDrawingSurface> surface_;
};

}  // namespace hueloom
