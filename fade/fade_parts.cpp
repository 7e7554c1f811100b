// Joining the segment fades of consecutive parts of a line into its markup.
#include "fade/fade_parts.h"

#include <algorithm>

#include "fade/colour_tag.h"

namespace hueloom {

std::u16string FadeParts(std::u16string_view text, std::span<const ColorStop> stops,
                         std::span<const std::int16_t> part_lengths, bool wavy,
                         Characters characters) {
    const std::size_t count = CountCharacters(text, characters);
    std::u16string markup;
    markup.reserve(MarkupLength(count, wavy) + (text.size() - count));
    std::int16_t wave_counter = 0;
    std::size_t position = 0;
    const std::size_t segments =
        stops.empty() ? 0 : std::min(part_lengths.size(), stops.size() - 1);
    for (std::size_t k = 0; k < segments; ++k) {
        const auto length = static_cast<std::size_t>(std::max<std::int16_t>(part_lengths[k], 0));
        const std::u16string_view rest = text.substr(position);
        const std::u16string_view part =
            rest.substr(0, UnitsOfCharacters(rest, length, characters));
        AppendSegmentFade(markup, part, stops[k], stops[k + 1], wavy, wave_counter, characters);
        position += part.size();
    }
    return markup;
}

}  // namespace hueloom
