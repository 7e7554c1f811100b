// The picture box's drawing surface for Qt: an image that keeps what was drawn.
#include "qt/qt_drawing_surface.h"

#include <QColor>
#include <QFontDatabase>
#include <QPainter>
#include <QPalette>
#include <QWidget>
#include <cmath>
#include <span>
#include <vector>

#include "host/control_design.h"
#include "host/pen_place.h"
#include "qt/qt_colour.h"
#include "qt/qt_glyph_widths.h"

namespace hueloom {
namespace {

// Where Arial itself is missing, its metric twin stands in for it.
void SubstituteArial() {
    static const bool done = [] {
        const QStringList families = QFontDatabase::families();
        if (!families.contains(QStringLiteral("Arial"), Qt::CaseInsensitive) &&
            families.contains(QStringLiteral("Liberation Sans"))) {
            QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        }
        return true;
    }();
    (void)done;
}

QString ToQString(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

}  // namespace

QtDrawingSurface::QtDrawingSurface(QWidget& widget)
    : widget_(widget), widths_(std::make_unique<GlyphWidths>()) {
    SubstituteArial();
    font_ = QFont(QStringLiteral("Arial"));
    font_.setPointSizeF(10);
    FontChanged();
}

QtDrawingSurface::~QtDrawingSurface() = default;

std::int16_t QtDrawingSurface::ScaleMode() { return scaleMode_; }

void QtDrawingSurface::SetScaleMode(std::int16_t mode) { scaleMode_ = mode; }

// The surface's images are at the design's 96 dots per inch.
double QtDrawingSurface::UnitsPerPixel() const {
    return hueloom::UnitsPerPixel(scaleMode_, kDesignDpi);
}

void QtDrawingSurface::SetFontName(std::u16string_view name) {
    font_.setFamily(ToQString(name));
    FontChanged();
}

void QtDrawingSurface::SetFontSize(float points) {
    // A size Qt cannot use keeps the one in force.
    if (!std::isfinite(points) || points <= 0) return;
    font_.setPointSizeF(points);
    FontChanged();
}

void QtDrawingSurface::SetFontBold(bool on) {
    font_.setBold(on);
    FontChanged();
}

void QtDrawingSurface::SetFontItalic(bool on) {
    font_.setItalic(on);
    FontChanged();
}

void QtDrawingSurface::SetFontUnderline(bool on) {
    font_.setUnderline(on);
    FontChanged();
}

void QtDrawingSurface::SetFontStrikethru(bool on) {
    font_.setStrikeOut(on);
    FontChanged();
}

void QtDrawingSurface::FontChanged() { widths_->SetFont(font_); }

void QtDrawingSurface::SetAutoRedraw(bool on) { autoRedraw_ = on; }

void QtDrawingSurface::SetForeColor(std::int32_t colour) { foreColor_ = ToQColor(colour); }

// An image the size of the widget's inner area, filled with its background.
QImage QtDrawingSurface::NewImage() {
    widgetSize_ = widget_.size();
    const QSize size = widget_.contentsRect().size().expandedTo(QSize(0, 0));
    const qreal ratio = widget_.devicePixelRatioF();
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(widget_.palette().color(widget_.backgroundRole()));
    area_ = QSizeF(size);
    return image;
}

// The image follows the widget's size; what was drawn stays at the top-left.
// Only a change of the widget's size is looked for here: the rest (border,
// screen) is taken afresh at every Cls.
void QtDrawingSurface::MatchWidgetSize() {
    if (widget_.size() == widgetSize_) return;
    QImage resized = NewImage();
    if (!resized.isNull() && !image_.isNull()) {
        QPainter painter(&resized);
        painter.drawImage(QPoint(0, 0), image_);
    }
    image_ = std::move(resized);
}

void QtDrawingSurface::Cls() {
    drawn_.Clear();
    if (changed_) changed_();
    image_ = NewImage();
    currentX_ = 0;
    currentY_ = 0;
    hasDrawing_ = true;
    widget_.update();
}

void QtDrawingSurface::SetCurrentX(float x) { currentX_ = PenPixels(x, UnitsPerPixel()); }

void QtDrawingSurface::SetCurrentY(float y) { currentY_ = PenPixels(y, UnitsPerPixel()); }

// Each character's advance, so a screen reader can find where it was drawn.
void QtDrawingSurface::KeepDrawnText(std::u16string_view text) {
    if (text.size() == 1) {
        const float advance = static_cast<float>(widths_->Advance(text[0]));
        drawn_.Printed(text, currentX_, currentY_, static_cast<float>(widths_->Height()),
                       std::span(&advance, 1));
        return;
    }
    std::vector<float> advances;
    advances.reserve(text.size());
    for (const char16_t unit : text) advances.push_back(static_cast<float>(widths_->Advance(unit)));
    drawn_.Printed(text, currentX_, currentY_, static_cast<float>(widths_->Height()), advances);
}

void QtDrawingSurface::Print(std::u16string_view text) {
    KeepDrawnText(text);
    if (changed_) changed_();
    MatchWidgetSize();
    hasDrawing_ = true;
    if (text.empty() || image_.isNull()) return;
    const qreal x = currentX_, y = currentY_;
    const QString string = ToQString(text);
    if (!InkCanReach(x, y, widths_->Height(), area_.width(), area_.height(),
                     [&] { return widths_->Advance(string); })) {
        return;
    }

    QPainter painter(&image_);
    painter.setFont(font_);
    painter.setPen(foreColor_);
    painter.drawText(QPointF(x, y + widths_->Ascent()), string);
    widget_.update();
}

float QtDrawingSurface::TextWidth(std::u16string_view text) {
    const qreal pixels =
        text.size() == 1 ? widths_->Advance(text[0]) : widths_->Advance(ToQString(text));
    return static_cast<float>(pixels * UnitsPerPixel());
}

void QtDrawingSurface::paintOnto(QPainter& painter, QPoint origin) const {
    if (!image_.isNull()) painter.drawImage(origin, image_);
}

}  // namespace hueloom
