// IRC's 99 colours: the sixteen every client knows, then the extended palette 16..98.
#include "cli/irc_colours.h"

#include <array>
#include <cstdint>

#include "cli/oklab.h"

namespace hueloom::cli {
namespace {

constexpr Rgb Hex(std::uint32_t value) {
    return {static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value)};
}

// 0..15 as the first colour clients drew them; 16..87 six rows of twelve hues
// (darkest to lightest), 88..98 a grey ramp from black to white.
// clang-format off
constexpr std::array<Rgb, kIrcColourCount> kPalette = {
    Hex(0xFFFFFF), Hex(0x000000), Hex(0x00007F), Hex(0x009300), Hex(0xFF0000), Hex(0x7F0000),
    Hex(0x9C009C), Hex(0xFC7F00), Hex(0xFFFF00), Hex(0x00FC00), Hex(0x009393), Hex(0x00FFFF),
    Hex(0x0000FC), Hex(0xFF00FF), Hex(0x7F7F7F), Hex(0xD2D2D2),
    Hex(0x470000), Hex(0x472100), Hex(0x474700), Hex(0x324700), Hex(0x004700), Hex(0x00472C),
    Hex(0x004747), Hex(0x002747), Hex(0x000047), Hex(0x2E0047), Hex(0x470047), Hex(0x47002A),
    Hex(0x740000), Hex(0x743A00), Hex(0x747400), Hex(0x517400), Hex(0x007400), Hex(0x007449),
    Hex(0x007474), Hex(0x004074), Hex(0x000074), Hex(0x4B0074), Hex(0x740074), Hex(0x740045),
    Hex(0xB50000), Hex(0xB56300), Hex(0xB5B500), Hex(0x7DB500), Hex(0x00B500), Hex(0x00B571),
    Hex(0x00B5B5), Hex(0x0063B5), Hex(0x0000B5), Hex(0x7500B5), Hex(0xB500B5), Hex(0xB5006B),
    Hex(0xFF0000), Hex(0xFF8C00), Hex(0xFFFF00), Hex(0xB2FF00), Hex(0x00FF00), Hex(0x00FFA0),
    Hex(0x00FFFF), Hex(0x008CFF), Hex(0x0000FF), Hex(0xA500FF), Hex(0xFF00FF), Hex(0xFF0098),
    Hex(0xFF5959), Hex(0xFFB459), Hex(0xFFFF71), Hex(0xCFFF60), Hex(0x6FFF6F), Hex(0x65FFC9),
    Hex(0x6DFFFF), Hex(0x59B4FF), Hex(0x5959FF), Hex(0xC459FF), Hex(0xFF66FF), Hex(0xFF59BC),
    Hex(0xFF9C9C), Hex(0xFFD39C), Hex(0xFFFF9C), Hex(0xE2FF9C), Hex(0x9CFF9C), Hex(0x9CFFDB),
    Hex(0x9CFFFF), Hex(0x9CD3FF), Hex(0x9C9CFF), Hex(0xDC9CFF), Hex(0xFF9CFF), Hex(0xFF94D3),
    Hex(0x000000), Hex(0x131313), Hex(0x282828), Hex(0x363636), Hex(0x4D4D4D), Hex(0x656565),
    Hex(0x818181), Hex(0x9F9F9F), Hex(0xBCBCBC), Hex(0xE2E2E2), Hex(0xFFFFFF),
};
// clang-format on

int SquaredDistance(Rgb a, Rgb b) {
    const int red = a.red - b.red, green = a.green - b.green, blue = a.blue - b.blue;
    return red * red + green * green + blue * blue;
}

double SquaredDistance(const Oklab& a, const Oklab& b) {
    const double l = a.lightness - b.lightness, da = a.a - b.a, db = a.b - b.b;
    return l * l + da * da + db * db;
}

// The number of the palette entry nearest to target, the first on a tie.
template <typename Colour, typename Palette>
int Nearest(const Colour& target, const Palette& palette) {
    int best = 0;
    auto best_distance = SquaredDistance(target, palette[0]);
    for (int k = 1; k < kIrcColourCount; ++k) {
        const auto distance = SquaredDistance(target, palette[static_cast<std::size_t>(k)]);
        if (distance < best_distance) {
            best = k;
            best_distance = distance;
        }
    }
    return best;
}

}  // namespace

int NearestIrcColour(Rgb colour, ColourSpace space) {
    // Lines of one length over the same stops take the same colours: answers
    // remembered by colour spare most searches.
    struct Remembered {
        std::uint32_t colourAndOne = 0;  // 0 for none
        int number = 0;
    };
    static std::array<std::array<Remembered, 4096>, 2> remembered;  // the fader has one thread
    const std::uint32_t packed = std::uint32_t{colour.red} << 16 | colour.green << 8 | colour.blue;
    Remembered& slot = remembered[space == ColourSpace::kRgb ? 0 : 1][(packed * 2654435761u) >> 20];
    if (slot.colourAndOne == packed + 1) return slot.number;

    static const std::array<Oklab, kIrcColourCount> oklab_palette = [] {
        std::array<Oklab, kIrcColourCount> converted{};
        for (std::size_t k = 0; k < converted.size(); ++k) converted[k] = ToOklab(kPalette[k]);
        return converted;
    }();
    const int number = space == ColourSpace::kRgb ? Nearest(colour, kPalette)
                                                  : Nearest(ToOklab(colour), oklab_palette);
    slot = {packed + 1, number};
    return number;
}

}  // namespace hueloom::cli
