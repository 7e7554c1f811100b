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

// The lengths of the parts a line of count characters is cut into over
// stopCount stops (2..16), as FadeOverStops cuts it: halves for three stops,
// round-robin otherwise, yielding once per pass as the split does. lengths
// holds stopCount - 1 entries; the empty line may be handed a part of one.
void SplitOverStops(std::size_t stopCount, std::int16_t count, std::span<std::int16_t> lengths);

// The colours of one part, as the segment fade gives them: character i (from 1)
// start + (end - start) / length * i, rounded half to even, where length is
// colours.size() (at most 32767).
void PartColours(ColorStop start, ColorStop end, std::span<Rgb> colours);

}  // namespace hueloom
