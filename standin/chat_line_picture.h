// One line of chat markup drawn by the markup renderer into a picture of its own.
#pragma once

#include <QColor>
#include <QImage>
#include <string_view>

namespace hueloom {

inline const QColor kChatBackground{Qt::white};

// Sized to hold every character of the line, up to a bound on each side
// beyond which the line is cut off, as the renderer cuts at a surface's edge.
QImage DrawChatLine(std::u16string_view markup);

}  // namespace hueloom
