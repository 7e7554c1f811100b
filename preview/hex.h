// Hexadecimal text to numbers, for the colour codes of the markup.
#pragma once

#include <cstdint>
#include <string_view>

namespace hueloom {

// 0..15 for exactly one of "0".."9", "A".."F" (case-sensitive); 0 for anything else.
std::int16_t HexDigitValue(std::u16string_view digit);

// The value of the last eight characters, in either case; non-digits count as 0.
// Accumulates in single precision, as the colour code has always been read.
float HexToValue(std::u16string_view digits);

}  // namespace hueloom
