// The segment fade: one part of a line fading from one colour stop to the next.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "fade/characters.h"
#include "fade/fade.h"

namespace hueloom {

struct ColorStop {
    Component red = 0;
    Component green = 0;
    Component blue = 0;
};

// Appends the markup of part to markup: character i (from 1) coloured
// start + (end - start) / length * i, and with wavy set the next wave tag of
// wave_counter. Grows markup within its capacity when the caller reserved
// MarkupLength of the line (plus one unit per surrogate pair kept whole). A
// part over 32767 code units throws the overflow error before anything is written.
void AppendSegmentFade(std::u16string& markup, std::u16string_view part, ColorStop start,
                       ColorStop end, bool wavy, std::int16_t& wave_counter,
                       Characters characters = Characters::kCodeUnits);

// The markup of part alone, as a new string.
std::u16string SegmentFade(std::u16string_view part, ColorStop start, ColorStop end, bool wavy,
                           std::int16_t& wave_counter);

}  // namespace hueloom
