// The nearest of IRC's 99 colours, in either colour space.
#include "cli/irc_colours.h"

#include <gtest/gtest.h>

namespace hueloom::cli {
namespace {

TEST(IrcColours, NearestInEachSpaceTheSixteenWinningTies) {
    struct Case {
        Rgb colour;
        int inRgb, inOklab;
    };
    const Case cases[] = {
        {{255, 0, 0}, 4, 4},        // also 52: the lower number
        {{0, 0, 0}, 1, 1},          // also 88
        {{0x47, 0x47, 0}, 18, 18},  // in the extended palette alone
        {{255, 136, 0}, 53, 53},    // FF8C00 before the sixteen's FC7F00
        {{255, 192, 192}, 77, 15},  // the eye finds pale pink nearer grey than peach
        {{0x40, 0x40, 0x80}, 92, 35},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NearestIrcColour(c.colour, ColourSpace::kRgb), c.inRgb) << +c.colour.red;
        EXPECT_EQ(NearestIrcColour(c.colour, ColourSpace::kOklab), c.inOklab) << +c.colour.red;
    }
}

}  // namespace
}  // namespace hueloom::cli
