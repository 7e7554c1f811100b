// The help a front end shows beside a control, the same on every toolkit: a
// swatch's colour as #RRGGBB, a bar's or the slider's value.
#pragma once

#include <cstdint>
#include <string>

namespace hueloom {

// A packed colour value (red in the low byte) as "#RRGGBB", upper-case digits.
std::u16string ColourHelp(std::int32_t colour);

// A value in decimal digits.
std::u16string ValueHelp(int value);

}  // namespace hueloom
