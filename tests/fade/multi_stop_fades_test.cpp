// FadeFour, FadeFive and FadeTen: parts, markup, yields, overflow and nested fades.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fade/fade.h"
#include "fade/segment_fade.h"
#include "host/error.h"
#include "support/counting_toolkit.h"

namespace hueloom {
namespace {

std::u16string Tag(const char16_t* hex) { return std::u16string(u"<Font Color=#") + hex + u">"; }

// Stop k is (10k, 0, 255 - 10k): distinct, and far from each other.
std::u16string Four(std::u16string_view text, bool wavy) {
    return FadeFour(10, 0, 245, 20, 0, 235, 30, 0, 225, 40, 0, 215, text, wavy);
}
std::u16string Five(std::u16string_view text, bool wavy) {
    return FadeFive(10, 0, 245, 20, 0, 235, 30, 0, 225, 40, 0, 215, 50, 0, 205, text, wavy);
}
std::u16string Ten(std::u16string_view text, bool wavy) {
    return FadeTen(10, 0, 245, 20, 0, 235, 30, 0, 225, 40, 0, 215, 50, 0, 205, 60, 0, 195, 70, 0,
                   185, 80, 0, 175, 90, 0, 165, 100, 0, 155, text, wavy);
}
ColorStop StopNumber(int k) {
    return {static_cast<Component>(10 * k), 0, static_cast<Component>(255 - 10 * k)};
}

// The markup of the given parts faded from stop k to stop k + 1 in turn.
std::u16string Parts(const std::vector<std::u16string>& parts, bool wavy) {
    std::u16string markup;
    std::int16_t counter = 0;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        markup +=
            SegmentFade(parts[k], StopNumber(int(k) + 1), StopNumber(int(k) + 2), wavy, counter);
    }
    return markup;
}

struct FadeCase {
    std::u16string (*fade)(std::u16string_view, bool);
    std::u16string text;
    std::vector<std::u16string> parts;
    int passes;
};

TEST(MultiStopFades, SplitRoundRobinAndYieldOncePerPass) {
    const FadeCase cases[] = {
        {Four, u"abcdefg", {u"abc", u"de", u"fg"}, 3},
        {Four, u"abcd", {u"ab", u"c", u"d"}, 2},
        {Four, u"", {}, 1},
        {Four, u"x", {u"x"}, 1},
        {Five, u"abcdefg", {u"ab", u"cd", u"ef", u"g"}, 2},
        {Five, u"abcde", {u"ab", u"c", u"d", u"e"}, 2},
        {Ten, u"abcdefghij", {u"ab", u"c", u"d", u"e", u"f", u"g", u"h", u"i", u"j"}, 2},
        {Ten, u"abcdefghijk", {u"ab", u"cd", u"e", u"f", u"g", u"h", u"i", u"j", u"k"}, 2},
        {Ten, u"abcdefghi", {u"a", u"b", u"c", u"d", u"e", u"f", u"g", u"h", u"i"}, 1},
    };
    for (const FadeCase& c : cases) {
        for (bool wavy : {false, true}) {
            CountingToolkit toolkit;
            ScopedToolkit installed(toolkit);
            const bool waves = wavy && c.fade != Ten;
            EXPECT_EQ(c.fade(c.text, wavy), Parts(c.parts, waves))
                << std::string(c.text.begin(), c.text.end());
            EXPECT_EQ(toolkit.calls, c.passes) << std::string(c.text.begin(), c.text.end());
        }
    }
}

TEST(MultiStopFades, WorkedFourStopMarkup) {
    EXPECT_EQ(
        FadeFour(0, 0, 0, 30, 0, 0, 60, 0, 0, 90, 0, 0, u"abcd", false),
        u"<Font Color=#0F0000>a<Font Color=#1E0000>b<Font Color=#3C0000>c<Font Color=#5A0000>d");
    EXPECT_EQ(FadeFour(0, 0, 0, 30, 0, 0, 60, 0, 0, 90, 0, 0, u"abcd", true),
              u"<Font Color=#0F0000><sup>a<Font Color=#1E0000></sup>b<Font Color=#3C0000><sub>c"
              u"<Font Color=#5A0000></sub>d");
}

// "abc" over ten stops: exactly the colours of stops 2, 3 and 4.
TEST(MultiStopFades, ShortLinesTakeTheColoursOfTheNextStops) {
    EXPECT_EQ(Ten(u"abc", false),
              Tag(u"1400EB") + u"a" + Tag(u"1E00E1") + u"b" + Tag(u"2800D7") + u"c");
}

TEST(MultiStopFades, FadeTenNeverWaves) {
    const std::u16string text = u"Hueloom fades ten stops";
    const std::u16string markup = Ten(text, true);
    EXPECT_EQ(markup, Ten(text, false));
    EXPECT_EQ(markup.find(u"<su"), std::u16string::npos);
    EXPECT_EQ(markup.find(u"</su"), std::u16string::npos);
    EXPECT_EQ(markup.size(), 21 * text.size());
    EXPECT_EQ(Ten(u"abcd", true), Tag(u"1400EB") + u"a" + Tag(u"1E00E1") + u"b" + Tag(u"2800D7") +
                                      u"c" + Tag(u"3200CD") + u"d");
}

TEST(MultiStopFades, OverflowComesBeforeTheFirstYield) {
    EXPECT_EQ(Ten(std::u16string(32767, u'x'), false).size(), 21u * 32767);
    CountingToolkit toolkit;
    ScopedToolkit installed(toolkit);
    const std::u16string too_long(32768, u'x');
    for (auto fade : {Four, Five, Ten}) {
        try {
            fade(too_long, true);
            ADD_FAILURE() << "no overflow";
        } catch (const Error& error) {
            EXPECT_EQ(error.number(), 6);
            EXPECT_STREQ(error.what(), "Overflow");
        }
    }
    EXPECT_EQ(toolkit.calls, 0);
}

// A handler run by DoEvents fades another line, as the live preview does on a
// change of the text; the interrupted fade must come out as if alone.
TEST(MultiStopFades, AFadeRunInsideDoEventsLeavesTheOuterFadeUnchanged) {
    const std::u16string outer_text =
        u"the outer line, long enough for several passes of the split";
    const std::u16string inner_text = u"inner";
    const std::u16string outer_alone = Ten(outer_text, true);
    const std::u16string four_alone = Four(outer_text, true);
    const std::u16string inner_alone =
        FadeFive(255, 255, 255, 1, 2, 3, 4, 5, 6, 7, 8, 9, 200, 100, 0, inner_text, true);

    CountingToolkit toolkit;
    std::vector<std::u16string> inner_results;
    int inner_started = 0;
    toolkit.pendingEvent = [&] {
        if (inner_started == 4) return;  // the queue has emptied
        ++inner_started;                 // the inner fade yields too, so these nest
        inner_results.push_back(
            FadeFive(255, 255, 255, 1, 2, 3, 4, 5, 6, 7, 8, 9, 200, 100, 0, inner_text, true));
    };
    ScopedToolkit installed(toolkit);
    EXPECT_EQ(Ten(outer_text, true), outer_alone);
    inner_started = 0;
    EXPECT_EQ(Four(outer_text, true), four_alone);
    ASSERT_EQ(inner_results.size(), 8u);
    for (const std::u16string& inner : inner_results) EXPECT_EQ(inner, inner_alone);
}

}  // namespace
}  // namespace hueloom
