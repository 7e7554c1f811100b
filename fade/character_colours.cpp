// The colour of each character of a fade, for writers that count characters their own way.
#include "fade/character_colours.h"

#include <algorithm>

#include "fade/fade_over_stops.h"
#include "fade/round_half_even.h"

namespace hueloom {
namespace {

// The segment fade's arithmetic, term for term: the markup loop keeps its own
// copy because it works in blocks of words; the two must round alike.
Component Clamped(Component x) { return std::clamp<Component>(x, 0, 255); }

struct Ramp {
    double start;
    double step;

    Ramp(Component from, Component to, std::int16_t length)
        : start(Clamped(from)),
          step(static_cast<std::int16_t>(Clamped(to) - Clamped(from)) /
               static_cast<double>(length)) {}

    std::uint8_t At(int i) const {
        return static_cast<std::uint8_t>(detail::RoundHalfEvenBits(step * i + start));
    }
};

}  // namespace

void SplitOverStops(std::size_t stopCount, std::int16_t count, std::span<std::int16_t> lengths) {
    if (stopCount == 3) {
        detail::HalvesSplit(count, lengths);
    } else {
        RoundRobinSplit(count, lengths);
    }
}

void PartColours(ColorStop start, ColorStop end, std::span<Rgb> colours) {
    const auto length = static_cast<std::int16_t>(colours.size());
    const Ramp red(start.red, end.red, length), green(start.green, end.green, length),
        blue(start.blue, end.blue, length);
    for (int k = 0; k < length; ++k) colours[k] = {red.At(k + 1), green.At(k + 1), blue.At(k + 1)};
}

}  // namespace hueloom
