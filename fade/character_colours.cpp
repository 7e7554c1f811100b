// The colour of each character of a fade, for writers that count characters their own way.
#include "fade/character_colours.h"

#include "fade/component_ramp.h"

namespace hueloom {

void PartColours(ColorStop start, ColorStop end, std::span<Rgb> colours) {
    const auto length = static_cast<std::int16_t>(colours.size());
    const detail::Ramps ramps(start, end, length);
    const auto byte = [](std::uint64_t rounded) { return static_cast<std::uint8_t>(rounded); };
    for (int k = 0; k < length; ++k) {
        colours[k] = {byte(ramps.red.RoundedAt(k + 1)), byte(ramps.green.RoundedAt(k + 1)),
                      byte(ramps.blue.RoundedAt(k + 1))};
    }
}

}  // namespace hueloom
