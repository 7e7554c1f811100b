// Design places in twips as Qt's pixels: 15 twips to a pixel, as Qt's
// logical pixels stand for a 96-dpi display.
#pragma once

#include <QRect>

#include "host/control_design.h"

namespace hueloom {

inline QRect PixelRect(const TwipsRect& place) {
    return QRect(TwipsToPixels(place.left), TwipsToPixels(place.top), TwipsToPixels(place.width),
                 TwipsToPixels(place.height));
}

}  // namespace hueloom
