// The colour of each grapheme cluster of a line faded over the colour stops.
#include "cli/cluster_fade.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "cli/oklab.h"
#include "fade/fade_over_stops.h"

namespace hueloom::cli {
namespace {

Rgb ClampedRgb(ColorStop stop) {
    const auto byte = [](Component c) {
        return static_cast<std::uint8_t>(std::clamp<Component>(c, 0, 255));
    };
    return {byte(stop.red), byte(stop.green), byte(stop.blue)};
}

}  // namespace

void FadeClusters(std::span<const ColorStop> stops, std::size_t count, ColourSpace space,
                  std::vector<Rgb>& colours) {
    CheckStopCount(stops.size());
    colours.resize(count);
    std::array<std::int16_t, kMaxFadeStops - 1> lengths{};
    const std::span<std::int16_t> parts(lengths.data(), stops.size() - 1);
    SplitOverStops(stops.size(), static_cast<std::int16_t>(count), parts);
    std::size_t done = 0;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        // Parts past the end of the line are cut short, as the window cuts them.
        const std::size_t length =
            std::min(static_cast<std::size_t>(std::max<std::int16_t>(parts[k], 0)), count - done);
        const std::span<Rgb> part(colours.data() + done, length);
        if (space == ColourSpace::kOklab) {
            OklabPartColours(ClampedRgb(stops[k]), ClampedRgb(stops[k + 1]), part);
        } else {
            PartColours(stops[k], stops[k + 1], part);
        }
        done += length;
    }
}

}  // namespace hueloom::cli
