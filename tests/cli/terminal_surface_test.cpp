// The terminal surface under the markup renderer: escapes, attributes, lines, safe characters.
#include "cli/terminal_surface.h"

#include <gtest/gtest.h>

#include <string>

#include "preview/render.h"

namespace hueloom::cli {
namespace {

std::string Drawn(std::u16string_view markup) {
    std::string out;
    TerminalSurface surface(out);
    RenderMarkup(surface, markup);
    surface.EndLine();
    return out;
}

TEST(TerminalSurface, ColoursAndAttributesOnlyWhereTheyChange) {
    EXPECT_EQ(Drawn(u"<Font Color=#FF8000>ab<b>c<i><u>d</u></i></b><s>e</s><sup>f</sup>"),
              "\x1b[38;2;255;128;0mab\x1b[1mc\x1b[3;4md\x1b[22;23;24;9me\x1b[29mf\x1b[0m\n");
    EXPECT_EQ(Drawn(u"x"), "\x1b[38;2;0;0;0mx\x1b[0m\n");  // the renderer starts in black
    EXPECT_EQ(Drawn(u""), "\n");
}

// The renderer's line break, written "+chr13+" or as a carriage return; a
// raised or lowered character stays on its line.
TEST(TerminalSurface, LineBreaksResetAndStartANewLine) {
    EXPECT_EQ(Drawn(u"<b>a+chr13+b\rc<sub>d"),
              "\x1b[1;38;2;0;0;0ma\x1b[0m\n\x1b[1;38;2;0;0;0mb\x1b[0m\n"
              "\x1b[1;38;2;0;0;0mcd\x1b[0m\n");
}

TEST(TerminalSurface, PairsJoinAndNothingReachesTheTerminalAsACommand) {
    const std::string black = "\x1b[38;2;0;0;0m";
    EXPECT_EQ(Drawn(u"\xD83D\xDE00"), black + "\xF0\x9F\x98\x80\x1b[0m\n");  // U+1F600
    EXPECT_EQ(Drawn(u"\xD83Dx\xDE00"), black + "\xEF\xBF\xBDx\xEF\xBF\xBD\x1b[0m\n");
    // ESC and BEL as their pictures, C1's CSI as U+FFFD, a tab as it is.
    EXPECT_EQ(Drawn(u"\x1b[2J\a\x9b\t"),
              black + "\xE2\x90\x9B[2J\xE2\x90\x87\xEF\xBF\xBD\t\x1b[0m\n");
}

}  // namespace
}  // namespace hueloom::cli
