// The picture box on Qt: a sunken box that paints its background colour and
// what the renderer drew on its surface.
#pragma once

#include <QFrame>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <memory>

#include "host/control_design.h"
#include "host/controls.h"
#include "qt/drawn_text_accessible.h"

namespace hueloom {

class QtDrawingSurface;

// A box whose value is its drawn text reads as text, with a caret the arrow
// keys move; one whose value is its colour tells it as its description.
class QtPictureBox final : public QFrame, public PictureBox, public DrawnTextView {
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

    QString PlainText() const override;
    QRect CharacterRect(int offset) const override;
    int Caret() const override { return std::min(caret_, int(PlainText().size())); }
    void SetCaret(int offset) override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void DrawingChanged();
    void AnnounceDrawnText();

    AccessibleValue accessibleValue_;
    std::int32_t colour_;  // packed, as shown
    std::unique_ptr<QtDrawingSurface> surface_;
    int caret_ = 0;
    // The renderer prints a character at a time; one announcement per redraw.
    QTimer announcement_;
    QString announced_;
};

}  // namespace hueloom
