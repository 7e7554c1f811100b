// The picture box on Qt: a sunken box with a background colour and a drawing surface.
#include "qt/qt_picture_box.h"

#include <QPainter>
#include <QPalette>

#include "host/control_help.h"
#include "qt/qt_colour.h"
#include "qt/qt_drawing_surface.h"

namespace hueloom {

QtPictureBox::QtPictureBox(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);  // the two-pixel sunken 3-D border
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Active, QPalette::Button));
    setPalette(colours);
}

QtPictureBox::~QtPictureBox() = default;

void QtPictureBox::SetBackColor(std::int32_t colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToQColor(colour));  // every colour group alike
    setPalette(colours);
    const std::u16string help = ColourHelp(colour);
    setToolTip(QString::fromStdU16String(help));
    update();
}

DrawingSurface& QtPictureBox::Surface() {
    if (!surface_) surface_ = std::make_unique<QtDrawingSurface>(*this);
    return *surface_;
}

void QtPictureBox::paintEvent(QPaintEvent* event) {
    if (surface_ && surface_->hasDrawing()) {
        QPainter painter(this);
        painter.setClipRect(contentsRect());
        surface_->paintOnto(painter, contentsRect().topLeft());
    }
    QFrame::paintEvent(event);
}

}  // namespace hueloom
