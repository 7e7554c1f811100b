// The pieces of one faded character: the colour tag and the wave tag.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace hueloom {

// A colour tag is kColourTagOpening, six hexadecimal digits, then ">".
inline constexpr std::string_view kColourTagOpening = "<Font Color=#";
inline constexpr std::size_t kColourTagLength = kColourTagOpening.size() + 7;

// The wave tags, in the order the wave counter picks them: raised, back,
// lowered, back.
inline constexpr std::array<std::string_view, 4> kWaveTags = {"<sup>", "</sup>", "<sub>", "</sub>"};
inline constexpr std::size_t kLongestWaveTag =
    std::max({kWaveTags[0].size(), kWaveTags[1].size(), kWaveTags[2].size(), kWaveTags[3].size()});

// "<Font Color=#" + SixDigitHex(65536 * red + 256 * green + blue) + ">".
std::u16string ColourTag(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

// Advances a call's wave counter (1, 2, 3, 4, 1, ...) and returns the wave tag
// it selects: "<sup>", "</sup>", "<sub>", "</sub>".
std::u16string_view NextWaveTag(std::int16_t& wave_counter);

// Moves the wave counter on and gives the index (0..3) of the tag it selects.
// A counter handed in outside 0..4 restarts the cycle rather than index past it.
inline std::size_t AdvanceWaveCounter(std::int16_t& wave_counter) {
    ++wave_counter;
    if (wave_counter > 4 || wave_counter < 1) wave_counter = 1;
    return static_cast<std::size_t>(wave_counter - 1);
}

namespace detail {

// The wave tags in code units, each padded with zeros to kLongestWaveTag.
struct WaveTagText {
    char16_t text[kLongestWaveTag + 1];
    std::size_t length;
};
inline constexpr std::array<WaveTagText, 4> kWideWaveTags = [] {
    std::array<WaveTagText, 4> wide{};
    for (std::size_t k = 0; k < kWaveTags.size(); ++k) {
        for (std::size_t j = 0; j < kWaveTags[k].size(); ++j) wide[k].text[j] = kWaveTags[k][j];
        wide[k].length = kWaveTags[k].size();
    }
    return wide;
}();
// The code units of four tags in a row, whichever comes first.
inline constexpr std::size_t kWaveCycleLength =
    kWaveTags[0].size() + kWaveTags[1].size() + kWaveTags[2].size() + kWaveTags[3].size();

// Four code units as one 64-bit word that stores them in this order.
constexpr std::uint64_t Pack(char16_t a, char16_t b, char16_t c, char16_t d) {
    static_assert(std::endian::native == std::endian::little ||
                  std::endian::native == std::endian::big);
    if constexpr (std::endian::native == std::endian::little) {
        return std::uint64_t{a} | std::uint64_t{b} << 16 | std::uint64_t{c} << 32 |
               std::uint64_t{d} << 48;
    } else {
        return std::uint64_t{a} << 48 | std::uint64_t{b} << 32 | std::uint64_t{c} << 16 |
               std::uint64_t{d};
    }
}

// The two hexadecimal digits of each byte value, packed into the first or the
// second half of a word.
struct HexPairTables {
    std::array<std::uint64_t, 256> first{}, second{};
};
inline constexpr HexPairTables kHexPairs = [] {
    constexpr char16_t digits[] = u"0123456789ABCDEF";
    HexPairTables tables;
    for (std::size_t value = 0; value < 256; ++value) {
        tables.first[value] = Pack(digits[value / 16], digits[value % 16], 0, 0);
        tables.second[value] = Pack(0, 0, digits[value / 16], digits[value % 16]);
    }
    return tables;
}();

// The colour tag's constant start, code units 0 to 15 (the opening and
// three places the digits overwrite).
struct ColourTagStart {
    char16_t units[16];
};
inline constexpr ColourTagStart kColourTagStart = [] {
    static_assert(kColourTagOpening.size() == 13, "WriteTaggedCharacter puts the digits at 13");
    ColourTagStart start{};
    for (std::size_t k = 0; k < 16; ++k) {
        start.units[k] = k < kColourTagOpening.size() ? kColourTagOpening[k] : u'0';
    }
    return start;
}();

}  // namespace detail

// Writes the colour tag and the character after it, 21 code units, and returns
// the end of what it wrote. Four stores per character: this runs once for
// every character of every fade.
inline char16_t* WriteTaggedCharacter(char16_t* out, std::uint8_t red, std::uint8_t green,
                                      std::uint8_t blue, char16_t character) {
    const std::uint64_t red_green = detail::kHexPairs.first[red] | detail::kHexPairs.second[green];
    const std::uint64_t blue_close =
        detail::kHexPairs.first[blue] | detail::Pack(0, 0, u'>', character);
    std::memcpy(out, detail::kColourTagStart.units, sizeof detail::kColourTagStart.units);
    std::memcpy(out + 13, &red_green, sizeof red_green);
    std::memcpy(out + 17, &blue_close, sizeof blue_close);
    return out + kColourTagLength + 1;
}

// Writes the colour tag and returns its end. Stores one code unit more (a 0),
// which whatever follows the tag overwrites, so out needs room for 21.
inline char16_t* WriteColourTag(char16_t* out, std::uint8_t red, std::uint8_t green,
                                std::uint8_t blue) {
    return WriteTaggedCharacter(out, red, green, blue, u'\0') - 1;
}

// Writes the next wave tag and returns its end. Always stores kLongestWaveTag
// code units; a shorter tag's last one is overwritten by what follows.
inline char16_t* WriteWaveTag(char16_t* out, std::int16_t& wave_counter) {
    const detail::WaveTagText& tag = detail::kWideWaveTags[AdvanceWaveCounter(wave_counter)];
    std::memcpy(out, tag.text, kLongestWaveTag * sizeof(char16_t));
    return out + tag.length;
}

// Length of the next count wave tags from the given counter: a cycle's length
// per four tags, whatever the counter, plus the tags of a partial cycle.
inline std::size_t WaveTagsLength(std::size_t count, std::int16_t wave_counter) {
    std::size_t length = count / 4 * detail::kWaveCycleLength;
    for (std::size_t k = 0; k < count % 4; ++k) {
        length += detail::kWideWaveTags[AdvanceWaveCounter(wave_counter)].length;
    }
    return length;
}

// Length of the markup of the given number of characters: colour tag and
// character for each, plus, with wavy set, the wave tags from wave_counter on.
inline std::size_t MarkupLength(std::size_t characters, bool wavy, std::int16_t wave_counter = 0) {
    return characters * (kColourTagLength + 1) +
           (wavy ? WaveTagsLength(characters, wave_counter) : 0);
}

}  // namespace hueloom
