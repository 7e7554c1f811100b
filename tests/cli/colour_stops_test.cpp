// The colour stops of the command line: the forms taken, and what each refusal names.
#include "cli/colour_stops.h"

#include <gtest/gtest.h>

#include <string>

namespace hueloom::cli {
namespace {

bool operator==(const ColorStop& a, const ColorStop& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

TEST(ParseStops, TakesEitherFormInEitherCaseWithBlanksAround) {
    const ParsedStops parsed = ParseStops("#FF8000, 00ff7f ,\t#0a0B0c");
    EXPECT_EQ(parsed.error, "");
    ASSERT_EQ(parsed.stops.size(), 3u);
    EXPECT_TRUE(parsed.stops[0] == (ColorStop{255, 128, 0}));
    EXPECT_TRUE(parsed.stops[1] == (ColorStop{0, 255, 127}));
    EXPECT_TRUE(parsed.stops[2] == (ColorStop{10, 11, 12}));
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
        {"#000000,#12345", "colour stop 2, \"#12345\", is not #RRGGBB or RRGGBB (hexadecimal)"},
        {"12G456,000000", "colour stop 1, \"12G456\", is not #RRGGBB or RRGGBB (hexadecimal)"},
        {"##123456,000000", "colour stop 1, \"##123456\", is not #RRGGBB or RRGGBB (hexadecimal)"},
        // Control bytes are never echoed to the terminal, and long items are cut.
        {"\x1b[31m,000000", "colour stop 1, \"\\x1b[31m\", is not #RRGGBB or RRGGBB (hexadecimal)"},
        {std::string(40, 'a') + ",000000", "colour stop 1, \"" + std::string(24, 'a') +
                                               "...\", is not #RRGGBB or RRGGBB (hexadecimal)"},
    };
    for (const Case& c : cases) {
        const ParsedStops parsed = ParseStops(c.text);
        EXPECT_EQ(parsed.error, c.error) << c.text;
        EXPECT_TRUE(parsed.stops.empty()) << c.text;
    }
}

}  // namespace
}  // namespace hueloom::cli
