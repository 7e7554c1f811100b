// Finding one code unit in a text, four units at a time.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace hueloom::detail {

// The position of the first unit at or after from, or npos, as
// std::u16string_view::find gives it. The renderer searches every tag and the
// whole markup this way, so it takes a word of four units per step.
inline std::size_t FindUnit(std::u16string_view text, char16_t unit, std::size_t from = 0) {
    std::size_t at = from;
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t kOnes = 0x0001000100010001u, kTopBits = 0x8000800080008000u;
        const std::uint64_t pattern = kOnes * unit;
        for (; at + 4 <= text.size(); at += 4) {
            std::uint64_t word;
            std::memcpy(&word, text.data() + at, sizeof word);
            // A lane of x is zero where the unit stands; (x - 1) & ~x marks the
            // top bit of the first such lane (and maybe lanes after it, never before).
            const std::uint64_t x = word ^ pattern;
            const std::uint64_t marked = (x - kOnes) & ~x & kTopBits;
            if (marked != 0) return at + static_cast<std::size_t>(std::countr_zero(marked)) / 16;
        }
    }
    for (; at < text.size(); ++at) {
        if (text[at] == unit) return at;
    }
    return std::u16string_view::npos;
}

}  // namespace hueloom::detail
