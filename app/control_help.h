// The help a front end shows beside a control: a swatch's colour as #RRGGBB.
#pragma once

#include <cstdint>
#include <string>

namespace hueloom {

// A packed colour value (red in the low byte) as "#RRGGBB".
std::u16string ColourHelp(std::int32_t colour);

}  // namespace hueloom
