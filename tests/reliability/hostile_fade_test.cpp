// The fade routines under hostile input: the 16-bit length limit, a pasted
// megabyte, odd code units, and stops at the ends of their range.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "fade/fade.h"
#include "host/error.h"
#include "host/toolkit.h"
#include "support/counting_toolkit.h"

namespace hueloom {
namespace {

// One faded character, read back from the markup.
struct Faded {
    std::u16string hex;
    std::u16string wave;
    char16_t unit;
};

// Reads the markup strictly: a colour tag, the wave tag if wavy, one unit; nothing else.
std::vector<Faded> ReadMarkup(std::u16string_view markup, bool wavy) {
    static constexpr std::u16string_view kStart = u"<Font Color=#";
    static constexpr std::u16string_view kWaves[] = {u"<sup>", u"</sup>", u"<sub>", u"</sub>"};
    std::vector<Faded> read;
    std::size_t at = 0;
    while (at < markup.size()) {
        if (markup.substr(at, kStart.size()) != kStart || at + 20 >= markup.size() ||
            markup[at + 19] != u'>') {
            ADD_FAILURE() << "no colour tag at " << at;
            return read;
        }
        Faded faded{std::u16string(markup.substr(at + 13, 6)), {}, 0};
        at += 20;
        if (wavy) {
            const std::u16string_view wave = kWaves[read.size() % 4];
            if (markup.substr(at, wave.size()) != wave) {
                ADD_FAILURE() << "wave tag out of its cycle at " << at;
                return read;
            }
            faded.wave = wave;
            at += wave.size();
        }
        faded.unit = markup[at++];
        read.push_back(faded);
    }
    return read;
}

std::u16string UnitsOf(const std::vector<Faded>& read) {
    std::u16string units;
    for (const Faded& f : read) units.push_back(f.unit);
    return units;
}

std::vector<std::u16string> HexesOf(const std::vector<Faded>& read) {
    std::vector<std::u16string> hexes;
    for (const Faded& f : read) hexes.push_back(f.hex);
    return hexes;
}

using Fade = std::function<std::u16string(std::u16string_view text, bool wavy)>;

struct Routine {
    const char* name;
    Fade fade;
    int segments;  // 0: the halves of FadeThree, which never yields
    bool writes_waves;
};

// Stops along a grey ramp; which colours come out is not the point here.
std::vector<Routine> Routines() {
    return {
        {"FadeThree",
         [](std::u16string_view t, bool w) {
             return FadeThree(0, 0, 0, 128, 128, 128, 255, 255, 255, t, w);
         },
         0, true},
        {"FadeFour",
         [](std::u16string_view t, bool w) {
             return FadeFour(0, 0, 0, 85, 85, 85, 170, 170, 170, 255, 255, 255, t, w);
         },
         3, true},
        {"FadeFive",
         [](std::u16string_view t, bool w) {
             return FadeFive(0, 0, 0, 64, 64, 64, 128, 128, 128, 192, 192, 192, 255, 255, 255, t,
                             w);
         },
         4, true},
        {"FadeTen",
         [](std::u16string_view t, bool w) {
             return FadeTen(0, 0, 0, 28, 28, 28, 57, 57, 57, 85, 85, 85, 113, 113, 113, 142, 142,
                            142, 170, 170, 170, 198, 198, 198, 227, 227, 227, 255, 255, 255, t, w);
         },
         9, false},
        {"FadeThreeValues",
         [](std::u16string_view t, bool w) { return FadeThreeValues(u"0", u"255", u"100", t, w); },
         0, true},
    };
}

// A line that mixes the awkward units: markup characters, controls, NUL and
// both halves of surrogate pairs, alone and reversed.
std::u16string AwkwardLine(std::size_t length) {
    static constexpr char16_t kUnits[] = {u'a',   u'<',   u'>',   u'\0',  u'\r', u'\n',
                                          u'\t',  0x1B,   0x7F,   0xD800, u'x',  0xDC00,
                                          0xDBFF, 0xDFFF, 0xFFFF, 0xFEFF, u'&',  u'+'};
    std::u16string line(length, u' ');
    for (std::size_t k = 0; k < length; ++k) line[k] = kUnits[k % std::size(kUnits)];
    return line;
}

TEST(HostileFade, TheLongestLineIsFadedWholeByEveryRoutine) {
    const std::u16string line = AwkwardLine(32767);
    for (const Routine& routine : Routines()) {
        for (bool wavy : {false, true}) {
            SCOPED_TRACE(std::string(routine.name) + (wavy ? " wavy" : ""));
            CountingToolkit toolkit;
            const ScopedToolkit installed(toolkit);
            const std::u16string markup = routine.fade(line, wavy);
            const std::vector<Faded> read = ReadMarkup(markup, wavy && routine.writes_waves);
            EXPECT_EQ(read.size(), line.size());
            EXPECT_TRUE(UnitsOf(read) == line);
            EXPECT_EQ(toolkit.calls, routine.segments == 0
                                         ? 0
                                         : (32767 + routine.segments - 1) / routine.segments);
        }
    }
}

TEST(HostileFade, OneUnitPastTheLimitOrAPastedMegabyteIsRefusedWithErrorSixBeforeAnyYield) {
    for (std::size_t length : {std::size_t{32768}, std::size_t{1} << 20}) {
        const std::u16string line = AwkwardLine(length);
        for (const Routine& routine : Routines()) {
            SCOPED_TRACE(std::string(routine.name) + " " + std::to_string(length));
            CountingToolkit toolkit;
            const ScopedToolkit installed(toolkit);
            try {
                routine.fade(line, true);
                ADD_FAILURE() << "faded a line of " << length;
            } catch (const Error& error) {
                EXPECT_EQ(error.number(), 6);
                EXPECT_STREQ(error.what(), "Overflow");
            }
            EXPECT_EQ(toolkit.calls, 0);
        }
    }
}

TEST(HostileFade, OddCodeUnitsEachGetOneTagAndComeBackUnchanged) {
    const std::u16string lines[] = {
        std::u16string(1, u'\0'),
        std::u16string(u"a\0b", 3),
        u"\xD800",                // lone high surrogate
        u"\xDC00z",               // lone low surrogate
        u"\xDFFF\xDBFF",          // a pair the wrong way round
        u"\r\n\t\x1B\x7F\x85",    // controls
        u"<<<<<<<<<<",            // markup characters are not escaped
        u"<Font Color=#FFFFFF>",  // nor is markup itself
        AwkwardLine(100),
    };
    for (const Routine& routine : Routines()) {
        for (const std::u16string& line : lines) {
            SCOPED_TRACE(routine.name);
            const std::vector<Faded> read = ReadMarkup(routine.fade(line, false), false);
            EXPECT_TRUE(UnitsOf(read) == line);
        }
    }
}

TEST(HostileFade, StopsAtZeroAndTwoHundredFiftyFiveGiveExactColours) {
    using H = std::vector<std::u16string>;
    struct Case {
        const char* name;
        std::u16string markup;
        H hexes;
    };
    const Case cases[] = {
        // Steps of +-127.5: the halves go to the even 128.
        {"black white black", FadeThree(0, 0, 0, 255, 255, 255, 0, 0, 0, u"abcd", false),
         H{u"808080", u"FFFFFF", u"808080", u"000000"}},
        {"white black white", FadeThree(255, 255, 255, 0, 0, 0, 255, 255, 255, u"abcd", false),
         H{u"808080", u"000000", u"808080", u"FFFFFF"}},
        {"one component each", FadeThree(255, 0, 0, 0, 255, 0, 0, 0, 255, u"ab", false),
         H{u"00FF00", u"0000FF"}},
        // One character per segment: each gets exactly the next stop.
        {"ten alternating",
         FadeTen(0, 0, 0, 255, 255, 255, 0, 0, 0, 255, 255, 255, 0, 0, 0, 255, 255, 255, 0, 0, 0,
                 255, 255, 255, 0, 0, 0, 255, 255, 255, u"123456789", false),
         H{u"FFFFFF", u"000000", u"FFFFFF", u"000000", u"FFFFFF", u"000000", u"FFFFFF", u"000000",
           u"FFFFFF"}},
        {"four over a long part",
         FadeFour(255, 0, 255, 0, 255, 0, 255, 255, 255, 0, 0, 0, u"abcdefg", false),
         H{u"AA55AA", u"55AA55", u"00FF00", u"80FF80", u"FFFFFF", u"808080", u"000000"}},
        {"five equal stops",
         FadeFive(255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255,
                  u"abcde", false),
         H(5, u"FFFFFF")},
        {"values at the ends", FadeThreeValues(0, 16777215, 0, u"abcd", false),
         H{u"808080", u"FFFFFF", u"808080", u"000000"}},
        {"values as texts", FadeThreeValues(u"16777215", u"0", u"16777215", u"ab", false),
         H{u"000000", u"FFFFFF"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(HexesOf(ReadMarkup(c.markup, false)) == c.hexes);
    }
}

}  // namespace
}  // namespace hueloom
