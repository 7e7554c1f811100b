// The fade engine: a line of text and colour stops in, colour-faded chat markup out.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace hueloom {

using Component = std::int16_t;  // one colour component, 0..255

// Upper-case hexadecimal, padded to at least six digits, never shortened.
std::u16string SixDigitHex(std::int64_t value);
// The same for a text holding a decimal number.
std::u16string SixDigitHex(std::u16string_view decimal);

// Each fade takes its stops' components in order (red, green, blue of stop 1,
// then stop 2, ...), then the text and the wavy flag, and returns the markup.
// A text over 32767 code units throws Error 6 ("Overflow") before anything else.
std::u16string FadeThree(Component r1, Component g1, Component b1, Component r2, Component g2,
                         Component b2, Component r3, Component g3, Component b3,
                         std::u16string_view text, bool wavy);

std::u16string FadeFour(Component r1, Component g1, Component b1, Component r2, Component g2,
                        Component b2, Component r3, Component g3, Component b3, Component r4,
                        Component g4, Component b4, std::u16string_view text, bool wavy);

std::u16string FadeFive(Component r1, Component g1, Component b1, Component r2, Component g2,
                        Component b2, Component r3, Component g3, Component b3, Component r4,
                        Component g4, Component b4, Component r5, Component g5, Component b5,
                        std::u16string_view text, bool wavy);

// Never writes wave tags, whatever the flag says.
std::u16string FadeTen(Component r1, Component g1, Component b1, Component r2, Component g2,
                       Component b2, Component r3, Component g3, Component b3, Component r4,
                       Component g4, Component b4, Component r5, Component g5, Component b5,
                       Component r6, Component g6, Component b6, Component r7, Component g7,
                       Component b7, Component r8, Component g8, Component b8, Component r9,
                       Component g9, Component b9, Component r10, Component g10, Component b10,
                       std::u16string_view text, bool wavy);

// FadeThree with its stops as packed colour values (red + 256 * green +
// 65536 * blue), given as numbers or as texts holding decimal numbers.
std::u16string FadeThreeValues(std::int64_t colour1, std::int64_t colour2, std::int64_t colour3,
                               std::u16string_view text, bool wavy);
std::u16string FadeThreeValues(std::u16string_view colour1, std::u16string_view colour2,
                               std::u16string_view colour3, std::u16string_view text, bool wavy);

}  // namespace hueloom
