// One line of chat markup drawn by the markup renderer into a picture of its own.
#include "standin/chat_line_picture.h"

#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "host/toolkit.h"
#include "preview/render.h"
#include "qt/qt_drawing_surface.h"
#include "standin/extent_surface.h"

namespace hueloom {
namespace {

// A 32767-character line is some 200000 pixels wide; the chat shows its start.
constexpr int kMaxWidth = 4096;
constexpr int kMaxHeight = 1024;
constexpr int kMinHeight = 16;
constexpr int kInkSlack = 3;  // italics and the raised line overhang their advance

// The chat client is another program: drawing its transcript must not run
// Hueloom's pending events in the middle of the send that brought the line.
class NoYield final : public Toolkit {
  public:
    void DoEvents() override {}
};

QSize PictureSize(std::u16string_view markup) {
    QWidget nothing;
    nothing.resize(0, 0);
    QtDrawingSurface measurer(nothing);
    ExtentSurface extent(measurer);
    RenderMarkup(extent, markup);
    const QSizeF reach = extent.Extent();
    const int width = static_cast<int>(std::ceil(reach.width())) + kInkSlack;
    const int height = static_cast<int>(std::ceil(reach.height())) + kInkSlack;
    return {std::clamp(width, 1, kMaxWidth), std::clamp(height, kMinHeight, kMaxHeight)};
}

}  // namespace

DrawnChatLine DrawChatLine(std::u16string_view markup) {
    NoYield noYield;
    ScopedToolkit scoped(noYield);
    QWidget canvas;
    canvas.resize(PictureSize(markup));
    QPalette colours = canvas.palette();
    colours.setColor(canvas.backgroundRole(), kChatBackground);
    canvas.setPalette(colours);
    QtDrawingSurface surface(canvas);
    RenderMarkup(surface, markup);
    return {surface.image(), surface.drawnText(), surface.drawnBoxes()};
}

}  // namespace hueloom
