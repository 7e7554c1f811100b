// Packed colour values: red + 256 * green + 65536 * blue, red in the low byte.
#pragma once

#include <cstdint>

namespace hueloom {

constexpr std::int32_t PackedColour(std::int32_t red, std::int32_t green, std::int32_t blue) {
    return red + 256 * green + 65536 * blue;
}

}  // namespace hueloom
