// The pieces every format writes with: text, a byte, a colour in hexadecimal.
#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <string_view>

#include "fade/character_colours.h"

namespace hueloom::cli {

using HexPairs = std::array<std::array<char, 2>, 256>;

constexpr HexPairs HexPairsIn(const char* digits) {
    HexPairs pairs{};
    for (std::size_t value = 0; value < 256; ++value)
        pairs[value] = {digits[value / 16], digits[value % 16]};
    return pairs;
}
inline constexpr HexPairs kUpperHex = HexPairsIn("0123456789ABCDEF");
inline constexpr HexPairs kLowerHex = HexPairsIn("0123456789abcdef");

inline char* Put(char* out, std::string_view text) {
    std::memcpy(out, text.data(), text.size());
    return out + text.size();
}

inline char* Put(char* out, char c) {
    *out = c;
    return out + 1;
}

// RRGGBB.
inline char* PutHex(char* out, Rgb colour, const HexPairs& hex) {
    std::memcpy(out, hex[colour.red].data(), 2);
    std::memcpy(out + 2, hex[colour.green].data(), 2);
    std::memcpy(out + 4, hex[colour.blue].data(), 2);
    return out + 6;
}

// A cluster's bytes, whichever form ForEachCluster gives it in.
inline std::string_view BytesOf(const char& cluster) { return {&cluster, 1}; }
inline std::string_view BytesOf(std::string_view cluster) { return cluster; }

}  // namespace hueloom::cli
