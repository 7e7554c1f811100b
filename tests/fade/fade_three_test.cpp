// FadeThree and FadeThreeValues: halves, worked markup, packed values, overflow.
#include <gtest/gtest.h>

#include <string>

#include "fade/fade.h"
#include "fade/segment_fade.h"
#include "host/error.h"
#include "support/counting_toolkit.h"

namespace hueloom {
namespace {

std::u16string Tag(const char16_t* hex) { return std::u16string(u"<Font Color=#") + hex + u">"; }

TEST(FadeThree, WorkedExamples) {
    EXPECT_EQ(FadeThree(255, 0, 0, 0, 0, 255, 0, 255, 0, u"abc", false),
              u"<Font Color=#800080>a<Font Color=#0000FF>b<Font Color=#00FF00>c");
    EXPECT_EQ(FadeThree(255, 0, 0, 0, 0, 255, 0, 255, 0, u"abc", true),
              u"<Font Color=#800080><sup>a<Font Color=#0000FF></sup>b<Font Color=#00FF00><sub>c");
    EXPECT_EQ(
        FadeThree(0, 0, 0, 5, 0, 0, 0, 0, 0, u"abcd", false),
        u"<Font Color=#020000>a<Font Color=#050000>b<Font Color=#020000>c<Font Color=#000000>d");
    EXPECT_EQ(FadeThree(0, 0, 0, 10, 0, 0, 0, 0, 0, u"Hello", false),
              u"<Font Color=#050000>H<Font Color=#0A0000>e<Font Color=#070000>l"
              u"<Font Color=#030000>l<Font Color=#000000>o");
    EXPECT_EQ(FadeThree(9, 9, 9, 200, 1, 1, 0, 255, 0, u"x", false), u"<Font Color=#00FF00>x");
    EXPECT_EQ(FadeThree(1, 2, 3, 4, 5, 6, 7, 8, 9, u"", true), u"");
}

// Part 1 fades from stop 1 to stop 2, part 2 on from stop 2 to stop 3, one wave counter.
std::u16string TwoParts(const std::u16string& text, std::size_t first_part) {
    std::int16_t counter = 0;
    const ColorStop one{255, 0, 0}, two{0, 255, 0}, three{0, 0, 255};
    std::u16string markup =
        SegmentFade(std::u16string_view(text).substr(0, first_part), one, two, true, counter);
    return markup +
           SegmentFade(std::u16string_view(text).substr(first_part), two, three, true, counter);
}

TEST(FadeThree, SplitsHalvesRoundedToEven) {
    struct Case {
        std::size_t length, first_part;
    };
    const Case cases[] = {{1, 0}, {2, 1}, {3, 2},  {4, 2},        {5, 2},
                          {7, 4}, {9, 4}, {11, 6}, {32767, 16384}};
    for (const Case& c : cases) {
        std::u16string text(c.length, u'x');
        for (std::size_t i = 0; i < text.size(); ++i)
            text[i] = static_cast<char16_t>(u'a' + i % 26);
        EXPECT_EQ(FadeThree(255, 0, 0, 0, 255, 0, 0, 0, 255, text, true),
                  TwoParts(text, c.first_part))
            << c.length;
    }
}

TEST(FadeThree, WaveTagsRunOnAcrossTheSplit) {
    const std::u16string markup = FadeThree(0, 0, 0, 0, 0, 0, 0, 0, 0, u"abcdef", true);
    const std::u16string tag = Tag(u"000000");
    EXPECT_EQ(markup, tag + u"<sup>a" + tag + u"</sup>b" + tag + u"<sub>c" + tag + u"</sub>d" +
                          tag + u"<sup>e" + tag + u"</sup>f");
}

TEST(FadeThree, OverflowsPastThirtyTwoThousandSevenHundredSixtySeven) {
    EXPECT_EQ(FadeThree(0, 0, 0, 0, 0, 0, 0, 0, 0, std::u16string(32767, u'x'), true).size(),
              21u * 32767 + 8191 * 22 + 16);
    CountingToolkit toolkit;
    ScopedToolkit installed(toolkit);
    const std::u16string too_long(32768, u'x');
    for (auto fade :
         {+[](std::u16string_view t) { return FadeThree(0, 0, 0, 0, 0, 0, 0, 0, 0, t, true); },
          +[](std::u16string_view t) { return FadeThreeValues(0, 255, 100, t, true); },
          +[](std::u16string_view t) { return FadeThreeValues(u"x", u"", u"9", t, false); }}) {
        try {
            fade(too_long);
            ADD_FAILURE() << "no overflow";
        } catch (const Error& error) {
            EXPECT_EQ(error.number(), 6);
            EXPECT_STREQ(error.what(), "Overflow");
        }
    }
    EXPECT_EQ(toolkit.calls, 0);  // the three-stop fade never yields
}

TEST(FadeThreeValues, AnnouncementStopsAsTextsAndAsNumbers) {
    const char16_t expected[] =
        u"<Font Color=#800000><sup>a<Font Color=#FF0000></sup>b<Font Color=#640000><sub>c";
    EXPECT_EQ(FadeThreeValues(u"0", u"255", u"100", u"abc", true), expected);
    EXPECT_EQ(FadeThreeValues(0, 255, 100, u"abc", true), expected);
    const std::u16string loaded = u"Hueloom Loaded";
    EXPECT_EQ(FadeThreeValues(u"0", u"255", u"100", loaded, true),
              FadeThreeValues(0, 255, 100, loaded, true));
    EXPECT_EQ(FadeThreeValues(0, 255, 100, loaded, true),
              FadeThree(0, 0, 0, 255, 0, 0, 100, 0, 0, loaded, true));
}

TEST(FadeThreeValues, UnpacksRedFromTheLowByte) {
    // One character: only stop 3 shows.
    EXPECT_EQ(FadeThreeValues(0, 0, 0x123456, u"x", false), Tag(u"563412") + u"x");
    EXPECT_EQ(FadeThreeValues(0, 0, 16777215, u"x", false), Tag(u"FFFFFF") + u"x");
    // Seven digits "1000000": red "00", green "00", blue "10".
    EXPECT_EQ(FadeThreeValues(0, 0, 16777216, u"x", false), Tag(u"000010") + u"x");
    EXPECT_EQ(FadeThreeValues(u"0", u"0", u"16777216", u"x", false), Tag(u"000010") + u"x");
    // Not numbers, or negative: black.
    EXPECT_EQ(FadeThreeValues(u"0", u"0", u"red", u"x", false), Tag(u"000000") + u"x");
    EXPECT_EQ(FadeThreeValues(0, 0, -1, u"x", false), Tag(u"000000") + u"x");
}

}  // namespace
}  // namespace hueloom
