// The markup renderer, checked by the exact operations a recording surface sees.
#include "preview/render.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "host/toolkit.h"
#include "support/counting_toolkit.h"
#include "support/recording_surface.h"

namespace hueloom {
namespace {

using Ops = std::vector<std::string>;

const Ops kSetUp = {"ScaleMode?",
                    "ScaleMode=3",
                    "FontName=Arial",
                    "FontSize=10",
                    "FontBold=False",
                    "FontItalic=False",
                    "FontUnderline=False",
                    "FontStrikethru=False",
                    "AutoRedraw=True",
                    "ForeColor=0",
                    "Cls"};

// The operations between the set-up and the restoring of the scale mode.
Ops Drawing(std::u16string_view markup, RecordingSurface surface = {}) {
    RenderMarkup(surface, markup);
    const Ops& ops = surface.ops;
    EXPECT_GE(ops.size(), kSetUp.size() + 1);
    EXPECT_EQ(Ops(ops.begin(), ops.begin() + kSetUp.size()), kSetUp);
    EXPECT_EQ(ops.back(), "ScaleMode=1");
    return Ops(ops.begin() + kSetUp.size(), ops.end() - 1);
}

// The four operations that draw one character.
Ops Char(std::string y, std::string x, std::string c) {
    return {"CurrentY=" + y, "CurrentX=" + x, "Print " + c, "TextWidth " + c};
}

Ops Join(std::initializer_list<Ops> parts) {
    Ops all;
    for (const Ops& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(RenderMarkup, WorkedExampleGivesTheExactSequence) {
    RecordingSurface surface;
    surface.widths[u'a'] = 7.25f;
    RenderMarkup(surface, u"<Font Color=#FF0000>a<b>b");
    Ops expected = kSetUp;
    for (const char* op :
         {"ForeColor=255", "CurrentY=0", "CurrentX=2", "Print a", "TextWidth a", "FontBold=True",
          "CurrentY=0", "CurrentX=9.25", "Print b", "TextWidth b", "ScaleMode=1"}) {
        expected.push_back(op);
    }
    EXPECT_EQ(surface.ops, expected);
    EXPECT_EQ(surface.scaleMode, kScaleModeTwips);
}

TEST(RenderMarkup, EmptyMarkupOnlyClears) { EXPECT_EQ(Drawing(u""), Ops{}); }

TEST(RenderMarkup, PlainTextRunsAlongOneLine) {
    EXPECT_EQ(Drawing(u"ab c"), Join({Char("0", "2", "a"), Char("0", "8.5", "b"),
                                      Char("0", "15", " "), Char("0", "21.5", "c")}));
}

// Pen x and CurrentX add up in single precision, not double.
TEST(RenderMarkup, PenAdvancesInSinglePrecision) {
    RecordingSurface surface;
    surface.defaultWidth = 0.1f;
    const Ops ops = Drawing(std::u16string(30, u'x'), surface);
    float pen = 0;
    double wide_pen = 0;
    bool precision_shows = false;
    for (int k = 0; k < 30; ++k) {
        EXPECT_EQ(ops[4 * k + 1], "CurrentX=" + FloatText(pen + 2)) << k;
        precision_shows |= static_cast<float>(wide_pen + 2) != pen + 2;
        pen += 0.1f;
        wide_pen += 0.1f;
    }
    EXPECT_TRUE(precision_shows);
}

TEST(RenderMarkup, StyleAndShiftTags) {
    const struct {
        std::u16string markup;
        Ops drawing;
    } cases[] = {
        {u"<B>x", Join({{"FontBold=True"}, Char("0", "2", "x")})},
        {u"<b><b></b>x",
         Join({{"FontBold=True", "FontBold=True", "FontBold=False"}, Char("0", "2", "x")})},
        {u"<u></U><s></S><I></i>",
         {"FontUnderline=True", "FontUnderline=False", "FontStrikethru=True",
          "FontStrikethru=False", "FontItalic=True", "FontItalic=False"}},
        {u"<sup>x</sup>y<SUB>z</sup>w", Join({Char("-1", "2", "x"), Char("0", "8.5", "y"),
                                              Char("1", "15", "z"), Char("0", "21.5", "w")})},
        {u"<sub>x</sub>y<sup>z</sub>w", Join({Char("1", "2", "x"), Char("0", "8.5", "y"),
                                              Char("-1", "15", "z"), Char("0", "21.5", "w")})},
        // Unknown, spaced or empty tags change nothing.
        {u"<>< b><b ><bold><fontcolor=#FF0000><font  color=#FF0000>x", Char("0", "2", "x")},
        // A ">" outside a tag is an ordinary character.
        {u">", Char("0", "2", ">")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Drawing(c.markup), c.drawing) << Narrow(c.markup);
    }
}

TEST(RenderMarkup, ColourAndFaceTags) {
    const struct {
        std::u16string markup;
        Ops drawing;
    } cases[] = {
        {u"<Font Color=#ff8000>", {"ForeColor=33023"}},
        {u"<FONT COLOR=#800080>", {"ForeColor=8388736"}},
        {u"<font color=#f00>", {"ForeColor=240"}},
        {u"<font color=red>", {"ForeColor=786672"}},
        {u"<font color=#f>", {"ForeColor=983055"}},
        {u"<font color=#abcd>", {"ForeColor=13487531"}},
        {u"<font color=#>", {"ForeColor=0"}},
        {u"<font color=#GG00zz>", {"ForeColor=0"}},
        {u"<font color=#FF0000 face=\"x\">", {"ForeColor=255"}},
        {u"<font color=#0000FF1234>", {"ForeColor=16711680"}},
        {u"<font face=\"courier\">", {"FontName=courier\""}},
        {u"<Font Face=Courier>", {"FontName=font face=courier"}},
        {u"<font face=\"\u00C9L\u00C9GANTE\">", {"FontName=\\u00E9l\\u00E9gante\""}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Drawing(c.markup), c.drawing) << Narrow(c.markup);
    }
}

TEST(RenderMarkup, LineBreaksStartANewLineSixteenPixelsLower) {
    const Ops two_lines =
        Join({{"ForeColor=255", "FontBold=True"}, Char("1", "2", "a"), Char("17", "2", "b")});
    EXPECT_EQ(Drawing(u"<font color=#FF0000><b><sub>a\rb"), two_lines);
    EXPECT_EQ(Drawing(u"<font color=#FF0000><b><sub>a+chr13+b"), two_lines);
    EXPECT_EQ(Drawing(u"\r\rx"), Char("32", "2", "x"));
    // Only the exact marker breaks the line.
    EXPECT_EQ(Drawing(u"+CHR13+"),
              Join({Char("0", "2", "+"), Char("0", "8.5", "C"), Char("0", "15", "H"),
                    Char("0", "21.5", "R"), Char("0", "28", "1"), Char("0", "34.5", "3"),
                    Char("0", "41", "+")}));
    EXPECT_EQ(Drawing(u"+chr13"),
              Join({Char("0", "2", "+"), Char("0", "8.5", "c"), Char("0", "15", "h"),
                    Char("0", "21.5", "r"), Char("0", "28", "1"), Char("0", "34.5", "3")}));
    // A carriage return inside a tag spoils the tag rather than breaking the line.
    EXPECT_EQ(Drawing(u"<b\r>x"), Char("0", "2", "x"));
}

TEST(RenderMarkup, CarriageReturnFarIntoALongLineStillBreaks) {
    const std::u16string markup = std::u16string(40000, u'x') + u"\ry";
    RecordingSurface surface;
    surface.defaultWidth = 1;
    const Ops ops = Drawing(markup, surface);
    ASSERT_EQ(ops.size(), 40001u * 4);
    EXPECT_EQ(Ops(ops.end() - 4, ops.end()), Char("16", "2", "y"));
}

// A typed "<" swallows the next character's colour tag, so that character
// keeps the colour from before the "<".
TEST(RenderMarkup, TypedLessThanSwallowsTheNextColourTag) {
    EXPECT_EQ(
        Drawing(u"<Font Color=#FF0000>a<Font Color=#00FF00><<Font Color=#0000FF>b"),
        Join({{"ForeColor=255"}, Char("0", "2", "a"), {"ForeColor=65280"}, Char("0", "8.5", "b")}));
}

// A "<" with no ">" after it is drawn, and so is everything after it.
TEST(RenderMarkup, UnclosedLessThanIsDrawnWithTheRestOfTheText) {
    const struct {
        std::u16string markup;
        Ops drawing;
    } cases[] = {
        {u"<", Char("0", "2", "<")},
        {u"<Font Color=#FF0000>x<Font Color=#00FF00><",
         Join(
             {{"ForeColor=255"}, Char("0", "2", "x"), {"ForeColor=65280"}, Char("0", "8.5", "<")})},
        {u"<b>a<b", Join({{"FontBold=True"},
                          Char("0", "2", "a"),
                          Char("0", "8.5", "<"),
                          Char("0", "15", "b")})},
        {u"<<\rx", Join({Char("0", "2", "<"), Char("0", "8.5", "<"), Char("16", "2", "x")})},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Drawing(c.markup), c.drawing) << Narrow(c.markup);
    }
}

TEST(RenderMarkup, ManyUnclosedLessThansDrawInLinearTime) {
    const Ops ops = Drawing(std::u16string(200000, u'<'));
    EXPECT_EQ(ops.size(), 200000u * 4);
}

// A handler run from the pre-pass's yield draws on the same surface and
// changes the caller's markup; the interrupted call then draws its own markup.
TEST(RenderMarkup, NestedRenderDuringThePrePassLeavesTheOuterDrawingIntact) {
    RecordingSurface alone;
    std::u16string markup = u"<Font Color=#FF0000>a\r<i>b";
    RenderMarkup(alone, markup);

    RecordingSurface shared;
    CountingToolkit toolkit;
    toolkit.pendingEvent = [&] {
        if (toolkit.calls > 1) return;  // the first yield only
        RenderMarkup(shared, u"<u><sup>zz\rq");
        markup.assign(5000, u'!');
    };
    ScopedToolkit installed(toolkit);
    RenderMarkup(shared, markup);

    ASSERT_GE(shared.ops.size(), alone.ops.size());
    const Ops outer(shared.ops.end() - alone.ops.size(), shared.ops.end());
    EXPECT_EQ(outer, alone.ops);
    EXPECT_EQ(shared.ops.size(), alone.ops.size() + 11 + 1 + 4 * 3 + 1);
    EXPECT_EQ(shared.scaleMode, kScaleModeTwips);
}

}  // namespace
}  // namespace hueloom
