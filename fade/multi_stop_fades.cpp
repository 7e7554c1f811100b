// The four-, five- and ten-stop fades: the round-robin split of the general fade.
#include <array>

#include "fade/fade.h"
#include "fade/fade_over_stops.h"

namespace hueloom {

std::u16string FadeFour(Component r1, Component g1, Component b1, Component r2, Component g2,
                        Component b2, Component r3, Component g3, Component b3, Component r4,
                        Component g4, Component b4, std::u16string_view text, bool wavy) {
    const std::array<ColorStop, 4> stops = {
        {{r1, g1, b1}, {r2, g2, b2}, {r3, g3, b3}, {r4, g4, b4}}};
    return FadeOverStops(stops, text, wavy);
}

std::u16string FadeFive(Component r1, Component g1, Component b1, Component r2, Component g2,
                        Component b2, Component r3, Component g3, Component b3, Component r4,
                        Component g4, Component b4, Component r5, Component g5, Component b5,
                        std::u16string_view text, bool wavy) {
    const std::array<ColorStop, 5> stops = {
        {{r1, g1, b1}, {r2, g2, b2}, {r3, g3, b3}, {r4, g4, b4}, {r5, g5, b5}}};
    return FadeOverStops(stops, text, wavy);
}

std::u16string FadeTen(Component r1, Component g1, Component b1, Component r2, Component g2,
                       Component b2, Component r3, Component g3, Component b3, Component r4,
                       Component g4, Component b4, Component r5, Component g5, Component b5,
                       Component r6, Component g6, Component b6, Component r7, Component g7,
                       Component b7, Component r8, Component g8, Component b8, Component r9,
                       Component g9, Component b9, Component r10, Component g10, Component b10,
                       std::u16string_view text, bool wavy) {
    const std::array<ColorStop, 10> stops = {{{r1, g1, b1},
                                              {r2, g2, b2},
                                              {r3, g3, b3},
                                              {r4, g4, b4},
                                              {r5, g5, b5},
                                              {r6, g6, b6},
                                              {r7, g7, b7},
                                              {r8, g8, b8},
                                              {r9, g9, b9},
                                              {r10, g10, b10}}};
    return FadeOverStops(stops, text, wavy);  // ten stops never wave
}

}  // namespace hueloom
