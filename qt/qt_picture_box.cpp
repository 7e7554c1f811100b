// The picture box on Qt: a sunken box with a background colour and a drawing surface.
#include "qt/qt_picture_box.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <QPalette>

#include "host/control_help.h"
#include "host/packed_colour.h"
#include "qt/qt_colour.h"
#include "qt/qt_drawing_surface.h"

namespace hueloom {
namespace {

// A picture box as a screen reader sees it: a picture of a colour, or the
// text drawn on it, with its value.
class PictureBoxAccessible final : public QAccessibleWidget {
  public:
    explicit PictureBoxAccessible(QtPictureBox* box)
        : QAccessibleWidget(box, box->accessibleValue() == AccessibleValue::kDrawnText
                                     ? QAccessible::StaticText
                                     : QAccessible::Graphic) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) {
            return static_cast<const QtPictureBox*>(widget())->accessibleValueText();
        }
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* PictureBoxAccessibleFor(const QString&, QObject* object) {
    auto* box = qobject_cast<QtPictureBox*>(object);
    return box != nullptr ? new PictureBoxAccessible(box) : nullptr;
}

}  // namespace

QtPictureBox::QtPictureBox(AccessibleValue value, QWidget* parent)
    : QFrame(parent), accessibleValue_(value) {
    static const bool installed = [] {
        QAccessible::installFactory(&PictureBoxAccessibleFor);
        return true;
    }();
    (void)installed;
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);  // the two-pixel sunken 3-D border
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette colours = palette();
    const QColor buttonFace = colours.color(QPalette::Active, QPalette::Button);
    colour_ = PackedColour(buttonFace.red(), buttonFace.green(), buttonFace.blue());
    colours.setColor(QPalette::Window, buttonFace);
    setPalette(colours);
}

QtPictureBox::~QtPictureBox() = default;

void QtPictureBox::SetBackColor(std::int32_t colour) {
    colour_ = colour & 0xFFFFFF;
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

QString QtPictureBox::accessibleValueText() const {
    switch (accessibleValue_) {
        case AccessibleValue::kColour:
            return QString::fromStdU16String(ColourHelp(colour_));
        case AccessibleValue::kDrawnText:
            return surface_ ? QString::fromStdU16String(surface_->drawnText()) : QString();
        case AccessibleValue::kPosition:
        case AccessibleValue::kNone:
            break;
    }
    return {};
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
