// The colour tag, the wave-tag cycle and the markup length a line needs.
#include "fade/colour_tag.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "fade/fade.h"

namespace hueloom {
namespace {

TEST(ColourTag, IsSixDigitHexOfTheColourNumber) {
    EXPECT_EQ(ColourTag(171, 205, 239), u"<Font Color=#ABCDEF>");
    EXPECT_EQ(ColourTag(1, 2, 3), u"<Font Color=#010203>");
    for (int value = 0; value < 256; ++value) {
        const auto v = static_cast<std::uint8_t>(value), w = static_cast<std::uint8_t>(255 - value);
        EXPECT_EQ(
            ColourTag(v, w, v),
            u"<Font Color=#" + SixDigitHex(65536 * value + 256 * (255 - value) + value) + u">");
    }
}

TEST(WaveTag, CyclesFromZeroAndRestartsACounterOutsideItsCycle) {
    std::int16_t counter = 0;
    for (const char16_t* tag : {u"<sup>", u"</sup>", u"<sub>", u"</sub>", u"<sup>", u"</sup>"}) {
        EXPECT_EQ(NextWaveTag(counter), tag);
    }
    EXPECT_EQ(counter, 2);
    for (std::int16_t start : {-7, -1, 9}) {
        counter = start;
        EXPECT_EQ(NextWaveTag(counter), u"<sup>");
        EXPECT_EQ(counter, 1);
    }
}

TEST(MarkupLength, IsTwentyOnePerCharacterPlusTheWaveTags) {
    const std::size_t wave[] = {0, 5, 11, 16, 22, 27, 33};  // tags of 5, 6, 5, 6, ... units
    for (std::size_t n = 0; n < std::size(wave); ++n) {
        EXPECT_EQ(MarkupLength(n, false), 21 * n);
        EXPECT_EQ(MarkupLength(n, true), 21 * n + wave[n]);
    }
    EXPECT_EQ(MarkupLength(3, true, 1), 63u + 6 + 5 + 6);  // from "</sup>" on
}

}  // namespace
}  // namespace hueloom
