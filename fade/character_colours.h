// The colour of each character of a fade, for writers that count characters their own way.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "fade/segment_fade.h"

namespace hueloom {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

// The colours of one part, as the segment fade gives them: character i (from 1)
// start + (end - start) / length * i, rounded half to even, where length is
// colours.size() (at most 32767).
void PartColours(ColorStop start, ColorStop end, std::span<Rgb> colours);

}  // namespace hueloom
