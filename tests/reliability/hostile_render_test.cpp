// The markup renderer and hex parsing under hostile input: megabytes of line
// breaks and "<", unclosed tags, odd code units, lines past the 16-bit limit.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "host/toolkit.h"
#include "preview/hex.h"
#include "preview/render.h"
#include "support/counting_toolkit.h"
#include "support/recording_surface.h"

namespace hueloom {
namespace {

constexpr std::size_t kMegabyte = std::size_t{1} << 20;

// Keeps only the glyphs, cheap enough for megabytes; every unit 5 pixels
// wide, so positions are easy to predict.
RecordingSurface GlyphsOnly() {
    RecordingSurface surface;
    surface.keepOps = false;
    surface.defaultWidth = 5.0f;
    return surface;
}

// Renders and reports how long it took, for the figures in the test log.
double TimedRender(RecordingSurface& surface, std::u16string_view markup, const char* what) {
    const auto start = std::chrono::steady_clock::now();
    RenderMarkup(surface, markup);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("[ figures  ] %s: %zu code units in %.3f s\n", what, markup.size(), took.count());
    return took.count();
}

TEST(HostileRender, AMegabyteOfCarriageReturnsBreaksLinesYieldingOncePerReturn) {
    CountingToolkit toolkit;
    const ScopedToolkit installed(toolkit);
    RecordingSurface surface = GlyphsOnly();
    TimedRender(surface, std::u16string(kMegabyte, u'\r'), "carriage returns");
    EXPECT_EQ(toolkit.calls, kMegabyte);
    EXPECT_TRUE(surface.glyphs.empty());
    EXPECT_EQ(surface.clears, 1);
    EXPECT_EQ(surface.scaleMode, kScaleModeTwips);
}

// Returns far beyond unit 32767 of the markup still break lines: the limit is lifted.
TEST(HostileRender, ReturnsAmongAMegabyteOfTextKeepEveryLineInPlace) {
    std::u16string markup;
    for (std::size_t k = 0; k < kMegabyte / 2; ++k) markup += u"a\r";
    CountingToolkit toolkit;
    const ScopedToolkit installed(toolkit);
    RecordingSurface surface = GlyphsOnly();
    TimedRender(surface, markup, "text and carriage returns");
    ASSERT_EQ(surface.glyphs.size(), kMegabyte / 2);
    EXPECT_EQ(toolkit.calls, kMegabyte / 2);
    for (std::size_t k = 0; k < surface.glyphs.size(); k += 4099) {
        EXPECT_EQ(surface.glyphs[k], (Glyph{2, 16.0f * static_cast<float>(k), u'a', 0, false}));
    }
    EXPECT_EQ(surface.glyphs.back().y, 16.0f * static_cast<float>(kMegabyte / 2 - 1));
}

// No ">" follows any of them, so none starts a tag: every one is drawn.
TEST(HostileRender, AMegabyteOfLessThanSignsIsDrawnAsText) {
    RecordingSurface surface = GlyphsOnly();
    TimedRender(surface, std::u16string(kMegabyte, u'<'), "less-than signs");
    ASSERT_EQ(surface.glyphs.size(), kMegabyte);
    EXPECT_EQ(surface.glyphs[1].x, 7.0f);
    EXPECT_EQ(surface.Units(), std::u16string(kMegabyte, u'<'));
}

// The same line with a ">" at its end is one long ignored tag.
TEST(HostileRender, AMegabyteOfLessThanSignsClosedAtTheEndIsOneIgnoredTag) {
    RecordingSurface surface = GlyphsOnly();
    TimedRender(surface, std::u16string(kMegabyte, u'<') + u">x", "one long tag");
    EXPECT_EQ(surface.Units(), u"x");
}

TEST(HostileRender, UnclosedTagsAreDrawnAsTextAndChangeNothing) {
    struct Case {
        std::u16string markup;
        std::u16string drawn;
        std::int32_t last_colour;
        bool last_bold;
    };
    const Case cases[] = {
        {u"<", u"<", 0, false},
        {u"<b", u"<b", 0, false},
        {u"x<font color=#ff0000", u"x<font color=#ff0000", 0, false},
        {u"<b>bold<i", u"bold<i", 0, true},
        {u"<Font Color=#00FF00>a<", u"a<", 65280, false},  // a fade of a line ending in "<"
        {u"<<<>x", u"x", 0, false},                        // the tag text "<<" is ignored
        {u"<>", u"", 0, false},
        {u">", u">", 0, false},
        {u"a<b\rc", u"a<b", 0, false},  // the return became the marker; its tag is unclosed too
    };
    for (const Case& c : cases) {
        RecordingSurface surface = GlyphsOnly();
        RenderMarkup(surface, c.markup);
        const std::u16string drawn = surface.Units();
        EXPECT_TRUE(drawn.substr(0, c.drawn.size()) == c.drawn) << c.markup.size();
        if (!surface.glyphs.empty()) {
            EXPECT_EQ(surface.glyphs.back().colour, c.last_colour);
            EXPECT_EQ(surface.glyphs.back().bold, c.last_bold);
        }
        EXPECT_EQ(surface.scaleMode, kScaleModeTwips);
    }
}

// After an unclosed "<" the rest is ordinary text, line-break markers included.
TEST(HostileRender, AnUnclosedTagStillLetsLaterReturnsBreakTheLine) {
    RecordingSurface surface = GlyphsOnly();
    RenderMarkup(surface, u"a<b\rc");
    EXPECT_EQ(surface.glyphs, (std::vector<Glyph>{{2, 0, u'a', 0, false},
                                                  {7, 0, u'<', 0, false},
                                                  {12, 0, u'b', 0, false},
                                                  {2, 16, u'c', 0, false}}));
}

TEST(HostileRender, OddCodeUnitsAreDrawnOneUnitAtATime) {
    const std::u16string markup =
        std::u16string(u"\0\xD800\xDC00\xDFFF\xDBFF\n\t\x1B\x7F\xFFFF", 10);
    RecordingSurface surface = GlyphsOnly();
    RenderMarkup(surface, markup);
    EXPECT_TRUE(surface.printedNotOneUnit.empty());
    EXPECT_TRUE(surface.Units() == markup);
}

TEST(HostileRender, LinesPastTheSixteenBitLimitAreDrawnWhole) {
    for (std::size_t length : {std::size_t{32767}, std::size_t{32768}, std::size_t{70000}}) {
        RecordingSurface surface = GlyphsOnly();
        RenderMarkup(surface, std::u16string(length, u'x'));
        ASSERT_EQ(surface.glyphs.size(), length);
        EXPECT_EQ(surface.glyphs.back().x, 2.0f + 5.0f * static_cast<float>(length - 1));
    }
}

TEST(HostileHex, HugeAndOddTextsGiveDefinedValues) {
    struct Case {
        std::u16string text;
        float value;
    };
    const Case cases[] = {
        {std::u16string(kMegabyte, u'f'), 4294967296.0f},  // only the last eight count
        {std::u16string(kMegabyte, u'0') + u"ff", 255.0f},
        {std::u16string(1, u'\0'), 0.0f},
        {std::u16string(u"\0f", 2), 15.0f},
        {u"\xD800", 0.0f},
        {u"\xD800\xDC00", 0.0f},
        {u"\xFF21", 0.0f},  // a full-width A is no digit
        {u"<>", 0.0f},
    };
    for (const Case& c : cases) EXPECT_EQ(HexToValue(c.text), c.value);
    EXPECT_EQ(HexDigitValue(u"\xD800"), 0);
    EXPECT_EQ(HexDigitValue(std::u16string(kMegabyte, u'F')), 0);
}

}  // namespace
}  // namespace hueloom
