// The three-stop fade, and its front end taking packed colour values.
#include <array>

#include "fade/fade.h"
#include "fade/fade_over_stops.h"
#include "fade/text_length.h"

namespace hueloom {
namespace {

// A digit of SixDigitHex's text: always one of 0-9 and A-F.
int SixDigitHexDigit(char16_t c) { return c <= u'9' ? c - u'0' : c - u'A' + 10; }

Component HexByte(char16_t high, char16_t low) {
    return static_cast<Component>(SixDigitHexDigit(high) * 16 + SixDigitHexDigit(low));
}

// The stop a packed value encodes, read from the positions of its
// SixDigitHex text: blue the first two digits, green the third and fourth,
// red the last two (the same positions on a longer text).
ColorStop StopFromHex(const std::u16string& hex) {
    const std::size_t size = hex.size();  // at least six
    return {HexByte(hex[size - 2], hex[size - 1]), HexByte(hex[2], hex[3]),
            HexByte(hex[0], hex[1])};
}

std::u16string FadeThreeHexStops(const std::u16string& hex1, const std::u16string& hex2,
                                 const std::u16string& hex3, std::u16string_view text, bool wavy) {
    const ColorStop stop1 = StopFromHex(hex1), stop2 = StopFromHex(hex2), stop3 = StopFromHex(hex3);
    return FadeThree(stop1.red, stop1.green, stop1.blue, stop2.red, stop2.green, stop2.blue,
                     stop3.red, stop3.green, stop3.blue, text, wavy);
}

}  // namespace

std::u16string FadeThree(Component r1, Component g1, Component b1, Component r2, Component g2,
                         Component b2, Component r3, Component g3, Component b3,
                         std::u16string_view text, bool wavy) {
    const std::array<ColorStop, 3> stops = {{{r1, g1, b1}, {r2, g2, b2}, {r3, g3, b3}}};
    return FadeOverStops(stops, text, wavy);
}

std::u16string FadeThreeValues(std::int64_t colour1, std::int64_t colour2, std::int64_t colour3,
                               std::u16string_view text, bool wavy) {
    FadeTextLength(text);  // the overflow comes before anything else
    return FadeThreeHexStops(SixDigitHex(colour1), SixDigitHex(colour2), SixDigitHex(colour3), text,
                             wavy);
}

std::u16string FadeThreeValues(std::u16string_view colour1, std::u16string_view colour2,
                               std::u16string_view colour3, std::u16string_view text, bool wavy) {
    FadeTextLength(text);
    return FadeThreeHexStops(SixDigitHex(colour1), SixDigitHex(colour2), SixDigitHex(colour3), text,
                             wavy);
}

}  // namespace hueloom
