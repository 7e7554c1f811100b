// One component's fade over a part of the line, the arithmetic every writer of
// faded colours shares: the start value and the step per character.
#pragma once

#include <algorithm>
#include <cstdint>

#include "fade/fade.h"
#include "fade/round_half_even.h"

namespace hueloom::detail {

// Components outside 0..255 are pulled to the nearest end, so the 16-bit
// difference cannot overflow and every tag keeps its six digits.
inline Component ClampComponent(Component x) { return std::clamp<Component>(x, 0, 255); }

struct ComponentRamp {
    double start;
    double step;

    ComponentRamp(Component from, Component to, std::int16_t length)
        : start(ClampComponent(from)),
          step(static_cast<std::int16_t>(ClampComponent(to) - ClampComponent(from)) /
               static_cast<double>(length)) {}

    // Character i's component (from 1), in the low byte of the word
    // (RoundHalfEvenBits). Product first, sum second; no fused multiply-add
    // (-ffp-contract=off). The value lies between the two stops' components,
    // so it rounds into 0..255.
    std::uint64_t RoundedAt(int i) const { return RoundHalfEvenBits(step * i + start); }

    // Components of characters first + 1 .. first + count.
    void Fill(int first, int count, std::uint64_t* rounded) const {
        for (int k = 0; k < count; ++k) rounded[k] = RoundedAt(first + k + 1);
    }
};

// The three ramps of a part from one stop to the next.
struct Ramps {
    ComponentRamp red, green, blue;

    Ramps(ColorStop start, ColorStop end, std::int16_t length)
        : red(start.red, end.red, length),
          green(start.green, end.green, length),
          blue(start.blue, end.blue, length) {}
};

}  // namespace hueloom::detail
