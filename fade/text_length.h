// The length of a text to fade, as the 16-bit count the fade arithmetic works in.
#pragma once

#include <cstdint>
#include <string_view>

#include "host/error.h"

namespace hueloom {

inline constexpr std::size_t kMaxFadeLength = 32767;

// Throws the overflow error for a text longer than a 16-bit length can hold.
inline std::int16_t FadeTextLength(std::u16string_view text) {
    if (text.size() > kMaxFadeLength) throw OverflowError();
    return static_cast<std::int16_t>(text.size());
}

}  // namespace hueloom
