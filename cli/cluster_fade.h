// The colour of each grapheme cluster of a line faded over the colour stops.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "fade/character_colours.h"

namespace hueloom::cli {

enum class ColourSpace {
    kRgb,    // the window's arithmetic on red, green and blue
    kOklab,  // the same places, between the stops in OKLab
};

// Replaces colours with one colour per cluster of a line of count clusters
// (at most 32767), split over the stops as the window splits a line over
// them. A count of stops outside 2..16 throws std::invalid_argument.
void FadeClusters(std::span<const ColorStop> stops, std::size_t count, ColourSpace space,
                  std::vector<Rgb>& colours);

}  // namespace hueloom::cli
