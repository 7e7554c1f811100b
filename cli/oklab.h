// Colours in OKLab, a space where equal steps look like equal changes of colour.
#pragma once

#include <span>

#include "fade/character_colours.h"

namespace hueloom::cli {

struct Oklab {
    double lightness = 0;
    double a = 0;  // green to red
    double b = 0;  // blue to yellow
};

Oklab ToOklab(Rgb colour);

// Back to sRGB, each component rounded half to even and clamped to 0..255
// (a fade between two colours can pass outside what sRGB holds).
Rgb ToSrgb(Oklab colour);

// The colours of one part fading from start to end in OKLab at the places the
// window fades at: character i (from 1) start + (end - start) / length * i in
// each component, where length is colours.size().
void OklabPartColours(Rgb start, Rgb end, std::span<Rgb> colours);

}  // namespace hueloom::cli
