// The picture box's drawing surface for Qt: an image that keeps what was drawn.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "host/control_help.h"
#include "host/drawing_surface.h"

class QPainter;
class QWidget;

namespace hueloom {

class GlyphWidths;

// Draws into an image the size of the widget's contentsRect(); coordinates are
// relative to that inner area. Scale mode 1 is twips (15 per pixel), 3 pixels;
// any other mode is kept as set and measured in pixels. The widget is not
// owned and is only asked to update(); its paintEvent shows image() or calls
// paintOnto(). Drawing is kept whatever AutoRedraw says, since a Qt widget
// can only be painted from its paintEvent.
class QtDrawingSurface final : public DrawingSurface {
  public:
    explicit QtDrawingSurface(QWidget& widget);
    ~QtDrawingSurface() override;
    QtDrawingSurface(const QtDrawingSurface&) = delete;
    QtDrawingSurface& operator=(const QtDrawingSurface&) = delete;

    std::int16_t ScaleMode() override;
    void SetScaleMode(std::int16_t mode) override;
    void SetFontName(std::u16string_view name) override;
    void SetFontSize(float points) override;
    void SetFontBold(bool on) override;
    void SetFontItalic(bool on) override;
    void SetFontUnderline(bool on) override;
    void SetFontStrikethru(bool on) override;
    void SetAutoRedraw(bool on) override;
    void SetForeColor(std::int32_t colour) override;
    void Cls() override;
    void SetCurrentX(float x) override;
    void SetCurrentY(float y) override;
    void Print(std::u16string_view text) override;
    float TextWidth(std::u16string_view text) override;

    // True once anything was cleared or drawn: paint from the image from then on.
    bool hasDrawing() const { return hasDrawing_; }
    const QImage& image() const { return image_; }
    // What was printed since the last Cls, as plain text.
    const std::u16string& drawnText() const { return drawn_.text(); }
    // Where each of its code units lies in the image, in pixels.
    const std::vector<CharacterBox>& drawnBoxes() const { return drawn_.boxes(); }
    // Called at every Cls and Print, as the drawn text changes.
    void SetOnDrawnTextChanged(std::function<void()> changed) { changed_ = std::move(changed); }
    const QFont& font() const { return font_; }
    // Draws the image with its top-left at origin (the widget's contentsRect().topLeft()).
    void paintOnto(QPainter& painter, QPoint origin) const;

  private:
    double UnitsPerPixel() const;
    void FontChanged();
    void KeepDrawnText(std::u16string_view text);
    void MatchWidgetSize();
    QImage NewImage();

    QWidget& widget_;
    QImage image_;
    QSize widgetSize_;  // the widget's size when image_ was last fitted to it
    QSizeF area_;       // image_'s size in widget pixels
    QFont font_;
    std::unique_ptr<GlyphWidths> widths_;  // advances of the current font, cached
    std::int16_t scaleMode_ = kScaleModeTwips;
    QColor foreColor_{Qt::black};
    float currentX_ = 0;  // in pixels
    float currentY_ = 0;
    bool autoRedraw_ = false;
    bool hasDrawing_ = false;
    DrawnText drawn_;
    std::function<void()> changed_;
};

}  // namespace hueloom
