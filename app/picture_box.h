// The picture box: a sunken box with a background colour and a drawing surface.
#pragma once

#include <QFrame>
#include <cstdint>
#include <memory>

namespace hueloom {

class DrawingSurface;
class QtDrawingSurface;

class PictureBox : public QFrame {
    Q_OBJECT

  public:
    // Starts in the button-face colour, focusable, with a sunken border.
    explicit PictureBox(QWidget* parent = nullptr);
    ~PictureBox() override;

    // Packed colour value (red + 256 * green + 65536 * blue), shown at once.
    // The colour is the same in every state: disabling the box does not grey it.
    void SetBackColor(std::int32_t colour);
    std::int32_t BackColor() const;

    // What the markup renderer draws on; made on first use, kept from then on.
    DrawingSurface& Surface();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::unique_ptr<QtDrawingSurface> surface_;
};

}  // namespace hueloom
