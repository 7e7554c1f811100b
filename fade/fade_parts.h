// Joining the segment fades of consecutive parts of a line into its markup.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "fade/segment_fade.h"

namespace hueloom {

// The markup of text cut into consecutive parts of the given lengths (in
// characters), part k fading from stops[k] to stops[k + 1], one wave counter
// for the whole line. The result is allocated once, at its full size. Lengths
// beyond the end of the text are cut short; stops has one more entry than part_lengths.
std::u16string FadeParts(std::u16string_view text, std::span<const ColorStop> stops,
                         std::span<const std::int16_t> part_lengths, bool wavy,
                         Characters characters = Characters::kCodeUnits);

}  // namespace hueloom
