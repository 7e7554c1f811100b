// Rounding a double to the nearest integer, exact halves to the even neighbour.
#pragma once

#include <bit>
#include <cfloat>
#include <cstdint>
#include <limits>

namespace hueloom::detail {

static_assert(std::numeric_limits<double>::is_iec559, "the fade arithmetic needs IEEE doubles");
static_assert(FLT_EVAL_METHOD == 0, "extended precision would round twice");

// For |x| < 2^51, adding 1.5 * 2^52 leaves no bits for the fraction, so the
// addition itself rounds x to nearest with ties to even (the default mode).
// Same result as std::nearbyint, without a library call per character.
inline constexpr double kRoundingShift = 6755399441055744.0;  // 1.5 * 2^52

inline double RoundHalfEven(double x) { return (x + kRoundingShift) - kRoundingShift; }

// The same rounding for |x| < 2^31, as the bits of the shifted sum: their low
// 32 bits are the rounded integer in two's complement. Loops that store these
// words whole need no conversion or packing, so they run on several values at once.
inline std::uint64_t RoundHalfEvenBits(double x) {
    return std::bit_cast<std::uint64_t>(x + kRoundingShift);
}

}  // namespace hueloom::detail
