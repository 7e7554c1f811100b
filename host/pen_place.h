// Where a drawing surface's pen stands, in pixels, and whether text printed
// there can reach the surface: the same rule on every toolkit.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

#include "host/control_design.h"
#include "host/drawing_surface.h"

namespace hueloom {

// A pen farther off than this draws nothing: a system's int coordinates need
// not take it.
inline constexpr double kFarAwayPixels = 1.0e6;

// Scale mode 1 is twips at the surface's dots per inch; any other mode is
// measured in pixels.
inline double UnitsPerPixel(std::int16_t scaleMode, int dotsPerInch) {
    return scaleMode == kScaleModeTwips ? static_cast<double>(kTwipsPerInch) / dotsPerInch : 1.0;
}

// A pen coordinate in pixels; one past what a float holds stays at its edge
// (NaN stays NaN).
inline float PenPixels(float units, double unitsPerPixel) {
    constexpr double kLargest = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(units / unitsPerPixel, -kLargest, kLargest));
}

// Whether text printed with the pen at (x, y) can put ink on an area of
// width x height pixels. Ink can overhang the advance box (italics, accents),
// so a slack of a font height on every side keeps every glyph that could touch
// it. textWidth() is asked only for a pen left of the area. Written so that a
// pen at NaN reaches nothing.
template <typename TextWidth>
bool InkCanReach(double x, double y, double slack, double width, double height,
                 TextWidth&& textWidth) {
    if (!(x < width + slack && y < height + slack && y + 2 * slack > 0)) return false;
    if (!(x > -kFarAwayPixels && y > -kFarAwayPixels)) return false;
    return x >= 0 || x + textWidth() + slack > 0;
}

}  // namespace hueloom
