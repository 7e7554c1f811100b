// The fade over any number of colour stops, by the rules of the window's fades.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "fade/characters.h"
#include "fade/fade_parts.h"
#include "fade/round_half_even.h"
#include "fade/round_robin_split.h"
#include "fade/segment_fade.h"
#include "fade/text_length.h"

namespace hueloom {

inline constexpr std::size_t kMinFadeStops = 2;
inline constexpr std::size_t kMaxFadeStops = 16;
// The ten-stop fade writes no wave tags, whatever its flag says.
inline constexpr std::size_t kStopsThatNeverWave = 10;

namespace detail {

// Half the line, rounded to even: 5 splits 2 + 3, 7 splits 4 + 3.
inline void HalvesSplit(std::int16_t length, std::span<std::int16_t> lengths) {
    const auto half = static_cast<std::int16_t>(RoundHalfEven(length / 2.0));
    lengths[0] = half;
    lengths[1] = static_cast<std::int16_t>(length - half);
}

}  // namespace detail

// Throws std::invalid_argument for a count of stops outside 2..16.
inline void CheckStopCount(std::size_t stopCount) {
    if (stopCount < kMinFadeStops || stopCount > kMaxFadeStops) {
        throw std::invalid_argument("a fade needs 2 to 16 colour stops");
    }
}

// The lengths of the parts a line of count characters is cut into over
// stopCount stops (2..16): halves for three stops, round-robin otherwise,
// yielding once per pass as the split does. lengths holds stopCount - 1
// entries; the empty line may be handed a part of one.
inline void SplitOverStops(std::size_t stopCount, std::int16_t count,
                           std::span<std::int16_t> lengths) {
    if (stopCount == 3) {
        detail::HalvesSplit(count, lengths);
    } else {
        RoundRobinSplit(count, lengths);
    }
}

// The markup of text faded over stops as the window fades it, the line split
// as SplitOverStops splits it (FadeThree for three stops; FadeFour, FadeFive,
// FadeTen; two stops make one segment, the whole line). Ten stops never wave.
// A text over 32767 code units throws the overflow error before the split
// yields; a count of stops outside 2..16 throws std::invalid_argument.
// Inline, so the window's fades, with their counts known, carry no checks for others.
inline std::u16string FadeOverStops(std::span<const ColorStop> stops, std::u16string_view text,
                                    bool wavy, Characters characters = Characters::kCodeUnits) {
    CheckStopCount(stops.size());
    FadeTextLength(text);  // the overflow comes before the split's first DoEvents
    // Without a pair to keep whole, both ways give the same markup; per code unit is faster.
    const std::size_t count = CountCharacters(text, characters);
    if (count == text.size()) characters = Characters::kCodeUnits;

    std::array<std::int16_t, kMaxFadeStops - 1> storage{};
    const std::span<std::int16_t> part_lengths(storage.data(), stops.size() - 1);
    SplitOverStops(stops.size(), static_cast<std::int16_t>(count), part_lengths);
    return FadeParts(text, stops, part_lengths, wavy && stops.size() != kStopsThatNeverWave,
                     characters);
}

}  // namespace hueloom
