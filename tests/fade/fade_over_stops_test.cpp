// The fade over any number of stops: surrogate pairs kept whole, counts of stops, limits.
#include "fade/fade_over_stops.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "host/error.h"

namespace hueloom {
namespace {

std::vector<ColorStop> Stops(std::size_t count) {
    std::vector<ColorStop> stops;
    for (std::size_t k = 0; k < count; ++k) {
        stops.push_back({static_cast<Component>(k * 97 % 256), static_cast<Component>(k * 31 % 256),
                         static_cast<Component>(255 - k * 13 % 256)});
    }
    return stops;
}

// Each placeholder U+E000 of text replaced by the two units of U+1F600, an emoji.
std::u16string WithPairs(std::u16string_view text) {
    std::u16string paired;
    for (char16_t c : text)
        paired += c == u'\uE000' ? std::u16string(u"\xD83D\xDE00") : std::u16string(1, c);
    return paired;
}

TEST(FadeOverStops, APairIsFadedAsOneCharacterWithBothUnitsAfterItsTag) {
    const std::vector<ColorStop> black_to_white = {{0, 0, 0}, {255, 255, 255}};
    EXPECT_EQ(FadeOverStops(black_to_white, WithPairs(u"a\uE000b"), true, Characters::kWholePairs),
              WithPairs(u"<Font Color=#555555><sup>a<Font Color=#AAAAAA></sup>\uE000"
                        u"<Font Color=#FFFFFF><sub>b"));
}

// With every pair standing in for one character, the split, the colours and
// the wave tags must come out as for a text of single units: for every count
// of stops, for the halves and the round-robin split alike.
TEST(FadeOverStops, PairsSplitAndFadeLikeSingleCharacters) {
    // Lone halves, one before a pair and one after, are characters of their own.
    const std::u16string placeholders =
        u"\uE000b\uE000\uE000 de\xD83D\uE000f\u00E9\uE000\xDE00\uE000h, \uE000\uE000 ij\uE000";
    for (std::size_t count = kMinFadeStops; count <= kMaxFadeStops; ++count) {
        for (bool wavy : {false, true}) {
            const std::u16string markup =
                FadeOverStops(Stops(count), WithPairs(placeholders), wavy, Characters::kWholePairs);
            EXPECT_EQ(markup, WithPairs(FadeOverStops(Stops(count), placeholders, wavy)))
                << count << " stops, wavy " << wavy;
            EXPECT_EQ(markup.capacity(), markup.size()) << "allocated once, at its full size";
        }
    }
}

TEST(FadeOverStops, TwoStopsFadeTheWholeLineAndTenNeverWave) {
    std::int16_t counter = 0;
    EXPECT_EQ(FadeOverStops(Stops(2), u"abcdefg", true),
              SegmentFade(u"abcdefg", Stops(2)[0], Stops(2)[1], true, counter));
    EXPECT_EQ(FadeOverStops(Stops(10), u"abcdefghijkl", true),
              FadeOverStops(Stops(10), u"abcdefghijkl", false));
}

TEST(FadeOverStops, RefusesBadCountsAndOverlongTexts) {
    for (std::size_t count : {0u, 1u, 17u}) {
        EXPECT_THROW(FadeOverStops(Stops(count), u"x", false), std::invalid_argument) << count;
    }
    const std::u16string overlong(32768, u'x');
    EXPECT_THROW(FadeOverStops(Stops(5), overlong, false, Characters::kWholePairs), Error);
}

}  // namespace
}  // namespace hueloom
