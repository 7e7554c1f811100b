// Joining the segment fades of consecutive parts of a line into its markup.
#include "fade/fade_parts.h"

#include <algorithm>

#include "fade/colour_tag.h"

namespace hueloom {

std::u16string FadeParts(std::u16string_view text, std::span<const ColorStop> stops,
                         std::span<const std::int16_t> part_lengths, bool wavy) {
    std::u16string markup;
    markup.reserve(MarkupLength(text.size(), wavy));
    std::int16_t wave_counter = 0;
    std::size_t position = 0;
    const std::size_t segments =
        stops.empty() ? 0 : std::min(part_lengths.size(), stops.size() - 1);
    for (std::size_t k = 0; k < segments; ++k) {
        const auto length = static_cast<std::size_t>(std::max<std::int16_t>(part_lengths[k], 0));
        const std::u16string_view part = text.substr(position, length);
        AppendSegmentFade(markup, part, stops[k], stops[k + 1], wavy, wave_counter);
        position += part.size();
    }
    return markup;
}

}  // namespace hueloom
