// The fade that matches a number of colour stops.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "fade/fade.h"

namespace hueloom {

// Components of 3, 4, 5 or 10 stops (red, green, blue of stop 1, then stop 2,
// ...) go to FadeThree, FadeFour, FadeFive or FadeTen with the text and the flag.
std::u16string FadeColumns(std::span<const Component> stops, std::u16string_view text, bool wavy);

}  // namespace hueloom
