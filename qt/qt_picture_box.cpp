// The picture box on Qt: a sunken box with a background colour and a drawing surface.
#include "qt/qt_picture_box.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QPalette>
#include <utility>

#include "host/control_help.h"
#include "host/packed_colour.h"
#include "qt/qt_colour.h"
#include "qt/qt_drawing_surface.h"

namespace hueloom {
namespace {

// A swatch or an edge as a screen reader sees it: a picture, a swatch's
// colour its description, since AT-SPI carries no value text.
class PictureBoxAccessible final : public QAccessibleWidget {
  public:
    explicit PictureBoxAccessible(QtPictureBox* box)
        : QAccessibleWidget(box, QAccessible::Graphic) {}

    QString text(QAccessible::Text kind) const override {
        const auto* box = static_cast<const QtPictureBox*>(widget());
        if (kind == QAccessible::Value) return box->accessibleValueText();
        if (kind == QAccessible::Description && box->accessibleValue() == AccessibleValue::kColour) {
            return box->accessibleValueText();
        }
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* PictureBoxAccessibleFor(const QString&, QObject* object) {
    auto* box = qobject_cast<QtPictureBox*>(object);
    if (box == nullptr) return nullptr;
    if (box->accessibleValue() == AccessibleValue::kDrawnText) {
        return new DrawnTextAccessible(box, *box);
    }
    return new PictureBoxAccessible(box);
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
    announcement_.setSingleShot(true);
    announcement_.setInterval(0);
    connect(&announcement_, &QTimer::timeout, this, &QtPictureBox::AnnounceDrawnText);
}

QtPictureBox::~QtPictureBox() = default;

void QtPictureBox::SetBackColor(std::int32_t colour) {
    const bool changed = colour_ != (colour & 0xFFFFFF);
    colour_ = colour & 0xFFFFFF;
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToQColor(colour));  // every colour group alike
    setPalette(colours);
    const std::u16string help = ColourHelp(colour);
    setToolTip(QString::fromStdU16String(help));
    update();
    if (changed && accessibleValue_ == AccessibleValue::kColour && QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

DrawingSurface& QtPictureBox::Surface() {
    if (!surface_) {
        surface_ = std::make_unique<QtDrawingSurface>(*this);
        if (accessibleValue_ == AccessibleValue::kDrawnText) {
            surface_->SetOnDrawnTextChanged([this] { DrawingChanged(); });
        }
    }
    return *surface_;
}

QString QtPictureBox::PlainText() const {
    return surface_ ? QString::fromStdU16String(surface_->drawnText()) : QString();
}

QRect QtPictureBox::CharacterRect(int offset) const {
    if (!surface_) return {};
    return BoxAt(surface_->drawnBoxes(), offset, contentsRect().topLeft());
}

void QtPictureBox::SetCaret(int offset) {
    if (offset == caret_) return;
    caret_ = offset;
    update();
    AnnounceCaret(*this, caret_);
}

// A redraw runs from its Cls to its last Print without yielding, so the
// timer, which can fire only in an event loop, never finds half a line.
void QtPictureBox::DrawingChanged() {
    if (QAccessible::isActive() && !announcement_.isActive()) announcement_.start();
}

void QtPictureBox::AnnounceDrawnText() {
    QString text = PlainText();
    AnnounceTextChange(*this, announced_, text);
    announced_ = std::move(text);
}

QString QtPictureBox::accessibleValueText() const {
    return QString::fromStdU16String(
        PictureBoxValue(accessibleValue_, colour_, surface_ ? &surface_->drawnText() : nullptr));
}

void QtPictureBox::paintEvent(QPaintEvent* event) {
    if (surface_ && surface_->hasDrawing()) {
        QPainter painter(this);
        painter.setClipRect(contentsRect());
        surface_->paintOnto(painter, contentsRect().topLeft());
        if (hasFocus() && accessibleValue_ == AccessibleValue::kDrawnText) {
            PaintCaret(painter, CharacterRect(Caret()));
        }
    }
    QFrame::paintEvent(event);
}

void QtPictureBox::keyPressEvent(QKeyEvent* event) {
    const int caret = accessibleValue_ == AccessibleValue::kDrawnText
                          ? CaretAfterKey(PlainText(), caret_, event->key(), event->modifiers())
                          : -1;
    if (caret < 0) {
        QFrame::keyPressEvent(event);
        return;
    }
    SetCaret(caret);
}

}  // namespace hueloom
