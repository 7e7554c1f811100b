// The segment fade: colours per character, exact rounding, the shared wave counter.
#include "fade/segment_fade.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "fade/round_half_even.h"
#include "host/error.h"

namespace hueloom {
namespace {

// The red components of a segment's markup, read back from its tags.
std::vector<int> FadeReds(Component from, Component to, std::size_t length) {
    std::int16_t counter = 0;
    const std::u16string markup =
        SegmentFade(std::u16string(length, u'x'), {from, 0, 0}, {to, 0, 0}, false, counter);
    std::vector<int> reds;
    for (std::size_t at = 13; at < markup.size(); at += 21) {
        reds.push_back(
            std::stoi(std::string(markup.begin() + at, markup.begin() + at + 2), nullptr, 16));
    }
    return reds;
}

TEST(SegmentFade, RoundsHalvesToEvenAfterProductThenSum) {
    struct Case {
        Component from, to;
        std::vector<int> reds;
    };
    const Case cases[] = {
        {0, 5, {2, 5}},      // 2.5 -> 2
        {5, 0, {2, 0}},      // 2.5 -> 2
        {0, 1, {0, 1}},      // 0.5 -> 0
        {0, 3, {2, 3}},      // 1.5 -> 2
        {255, 0, {128, 0}},  // 127.5 -> 128
        {10, 0, {7, 3, 0}},
        // Here step * 9 + 2 is exactly 0.5 when the product is rounded before
        // the sum; a fused multiply-add would see 0.5000...01 and give 1.
        {2, 0, {2, 2, 2, 1, 1, 1, 1, 1, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) EXPECT_EQ(FadeReds(c.from, c.to, c.reds.size()), c.reds) << c.from;
}

TEST(SegmentFade, LastCharacterCarriesTheEndStopExactly) {
    for (std::size_t length : {1u, 3u, 7u, 97u, 1000u, 32767u}) {
        for (Component from : {0, 1, 254, 255}) {
            for (Component to : {0, 37, 255}) EXPECT_EQ(FadeReds(from, to, length).back(), to);
        }
    }
}

TEST(SegmentFade, WaveTagsContinueTheCallersCounter) {
    std::int16_t counter = 2;
    EXPECT_EQ(SegmentFade(u"<&", {0, 0, 0}, {0, 0, 0}, true, counter),
              u"<Font Color=#000000><sub><<Font Color=#000000></sub>&");
    EXPECT_EQ(counter, 4);
    EXPECT_EQ(SegmentFade(u"", {0, 0, 0}, {9, 9, 9}, true, counter), u"");
    EXPECT_EQ(counter, 4);
}

TEST(SegmentFade, ComponentsOutsideAByteArePulledToItsEnds) {
    std::int16_t counter = 0;
    EXPECT_EQ(SegmentFade(u"ab", {-32768, 300, 0}, {32767, -5, 0}, false, counter),
              u"<Font Color=#808000>a<Font Color=#FF0000>b");
}

TEST(SegmentFade, APartOverASixteenBitLengthOverflows) {
    std::int16_t counter = 0;
    try {
        SegmentFade(std::u16string(32768, u'x'), {}, {}, true, counter);
        FAIL() << "no overflow";
    } catch (const Error& error) {
        EXPECT_EQ(error.number(), 6);
    }
}

// Both forms of the rounding against the library's, on every half and on noise.
void ExpectRoundsLikeNearbyint(double x) {
    const double expected = std::nearbyint(x);
    ASSERT_EQ(detail::RoundHalfEven(x), expected) << x;
    ASSERT_EQ(static_cast<std::int32_t>(detail::RoundHalfEvenBits(x)), expected) << x;
}

TEST(RoundHalfEven, MatchesNearbyintOnHalvesAndOnNoise) {
    for (int twice = -70000; twice <= 70000; ++twice) ExpectRoundsLikeNearbyint(twice / 2.0);
    std::mt19937_64 random(6);
    std::uniform_real_distribution<double> around(-40000.0, 40000.0);
    for (int n = 0; n < 100000; ++n) ExpectRoundsLikeNearbyint(around(random));
    for (double x : {0.49999999999999994, -0.49999999999999994, 1e-300})
        ExpectRoundsLikeNearbyint(x);
}

}  // namespace
}  // namespace hueloom
