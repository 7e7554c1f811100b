// The colour stops of the command line: the forms taken, and what each refusal names.
#include "cli/colour_stops.h"

#include <gtest/gtest.h>

#include <string>

namespace hueloom::cli {
namespace {

bool operator==(const ColorStop& a, const ColorStop& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

TEST(ParseStops, TakesHexAndColourNamesInAnyCaseWithBlanksAround) {
    const ParsedStops parsed =
        ParseStops("#FF8000, 00ff7f ,\t#0a0B0c,Gold, REBECCAPURPLE,lightgoldenrodyellow,grey");
    EXPECT_EQ(parsed.error, "");
    ASSERT_EQ(parsed.stops.size(), 7u);
    EXPECT_TRUE(parsed.stops[0] == (ColorStop{255, 128, 0}));
    EXPECT_TRUE(parsed.stops[1] == (ColorStop{0, 255, 127}));
    EXPECT_TRUE(parsed.stops[2] == (ColorStop{10, 11, 12}));
    EXPECT_TRUE(parsed.stops[3] == (ColorStop{255, 215, 0}));
    EXPECT_TRUE(parsed.stops[4] == (ColorStop{102, 51, 153}));
    EXPECT_TRUE(parsed.stops[5] == (ColorStop{250, 250, 210}));
    EXPECT_TRUE(parsed.stops[6] == (ColorStop{128, 128, 128}));  // CSS's grey, not X11's
}

TEST(ParseStops, RefusalsNameWhatWasWrong) {
    struct Case {
        std::string text, error;
    };
    const Case cases[] = {
        {"", "no colour stops given"},
        {"#FF0000", "1 colour stop given; a fade needs 2 to 16"},
        {std::string("000000") + std::string(16, ',') + "000000",
         "17 colour stops given; a fade needs 2 to 16"},
        {"#000000,,#FFFFFF", "colour stop 2 is empty"},
        {"#000000,#12345", "colour stop 2, \"#12345\", is not a colour name, #RRGGBB or RRGGBB"},
        {"12G456,000000", "colour stop 1, \"12G456\", is not a colour name, #RRGGBB or RRGGBB"},
        {"##123456,000000", "colour stop 1, \"##123456\", is not a colour name, #RRGGBB or RRGGBB"},
        {"red,#gold", "colour stop 2, \"#gold\", is not a colour name, #RRGGBB or RRGGBB"},
        {"red,transparent",
         "colour stop 2, \"transparent\", is not a colour name, #RRGGBB or RRGGBB"},
        // Control bytes are never echoed to the terminal, and long items are cut.
        {"\x1b[31m,000000",
         "colour stop 1, \"\\x1b[31m\", is not a colour name, #RRGGBB or RRGGBB"},
        {std::string(40, 'a') + ",000000", "colour stop 1, \"" + std::string(24, 'a') +
                                               "...\", is not a colour name, #RRGGBB or RRGGBB"},
    };
    for (const Case& c : cases) {
        const ParsedStops parsed = ParseStops(c.text);
        EXPECT_EQ(parsed.error, c.error) << c.text;
        EXPECT_TRUE(parsed.stops.empty()) << c.text;
    }
}

}  // namespace
}  // namespace hueloom::cli
