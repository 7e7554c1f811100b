// One line of chat markup drawn by the markup renderer into a picture of its own.
#pragma once

#include <QColor>
#include <QImage>
#include <string>
#include <string_view>
#include <vector>

#include "host/control_help.h"

namespace hueloom {

inline const QColor kChatBackground{Qt::white};

// The picture, and its text as a screen reader reads it: every character,
// those cut off too, with its box in the picture.
struct DrawnChatLine {
    QImage picture;
    std::u16string text;
    std::vector<CharacterBox> boxes;
};

// Sized to hold every character of the line, up to a bound on each side
// beyond which the line is cut off, as the renderer cuts at a surface's edge.
DrawnChatLine DrawChatLine(std::u16string_view markup);

}  // namespace hueloom
