// The colours a terminal is told at each depth: the nearest palette entries and the escapes.
#include "cli/terminal_colours.h"

#include <gtest/gtest.h>

#include <string>

namespace hueloom::cli {
namespace {

TEST(TerminalColours, NearestOfTheCubeAndTheGreyRampAndTheSixteen) {
    struct Case {
        Rgb colour;
        int of256, of16;
    };
    const Case cases[] = {
        {{0, 0, 0}, 16, 0},    {{255, 255, 255}, 231, 15}, {{255, 0, 0}, 196, 9},
        {{205, 0, 0}, 160, 1}, {{95, 135, 175}, 67, 8},    {{128, 128, 128}, 244, 8},
        {{8, 8, 8}, 232, 0},   {{238, 238, 238}, 255, 7},  {{200, 200, 210}, 252, 7},
        {{115, 0, 0}, 52, 1},  // halfway between two levels: the lower
        {{85, 0, 170}, 55, 4},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Nearest256(c.colour), c.of256) << +c.colour.red << "," << +c.colour.green;
        EXPECT_EQ(Nearest16(c.colour), c.of16) << +c.colour.red << "," << +c.colour.green;
    }
}

TEST(TerminalColours, EscapesAtEachDepthAndTheDepthFromColorterm) {
    const auto escape = [](Rgb colour, ColourDepth depth) {
        char text[kLongestColourEscape + 4];
        return std::string(text, WriteColourEscape(text, TerminalColourCode(colour, depth), depth));
    };
    EXPECT_EQ(escape({255, 128, 7}, ColourDepth::k24Bit), "\x1b[38;2;255;128;7m");
    EXPECT_EQ(escape({255, 255, 255}, ColourDepth::k24Bit).size(), kLongestColourEscape);
    EXPECT_EQ(escape({255, 0, 0}, ColourDepth::k256), "\x1b[38;5;196m");
    EXPECT_EQ(escape({205, 0, 0}, ColourDepth::k16), "\x1b[31m");
    EXPECT_EQ(escape({255, 255, 255}, ColourDepth::k16), "\x1b[97m");

    EXPECT_EQ(DepthForColorterm("truecolor"), ColourDepth::k24Bit);
    EXPECT_EQ(DepthForColorterm("24bit"), ColourDepth::k24Bit);
    EXPECT_EQ(DepthForColorterm(nullptr), ColourDepth::k256);
    EXPECT_EQ(DepthForColorterm("yes"), ColourDepth::k256);
}

}  // namespace
}  // namespace hueloom::cli
