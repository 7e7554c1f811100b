// The main window's place and shape in the host window system: the topmost
// band, and a region that cuts a zigzag notch out of its outline.
#pragma once

#include <array>

#include "host/control_design.h"
#include "host/window_system.h"

namespace hueloom {

// The notch's twelve vertices in window pixels; first and last coincide.
inline constexpr std::array<Point, 12> kNotchPolygon{{{0, 296},
                                                      {16, 290},
                                                      {35, 296},
                                                      {59, 291},
                                                      {80, 297},
                                                      {100, 292},
                                                      {112, 296},
                                                      {132, 291},
                                                      {143, 296},
                                                      {159, 291},
                                                      {166, 296},
                                                      {0, 296}}};
inline constexpr Point kOutlineBottomRight{585, 368};

// The notch and the outline for a window shown at `dpi`: the design's pixels
// (96-dpi pixels) times dpi / 96, to the nearest pixel (halves up), exactly the
// design's at 96. A dpi the system could not tell (0 or less) counts as 96; one
// beyond any display's is held at the largest the arithmetic takes.
struct NotchedOutline {
    std::array<Point, 12> notch;
    Point outlineBottomRight;
};
NotchedOutline NotchedOutlineAt(int dpi);

// SetWindowPos into the topmost band, keeping position and size.
void MakeTopmost(Hwnd window);

// Outline rectangle minus the notch, at the window's dpi, applied to the
// window with a redraw; the two source shapes are deleted once combined.
void ApplyNotchedRegion(Hwnd window, int dpi = kDesignDpi);

}  // namespace hueloom
