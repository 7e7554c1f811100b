// Colours as a terminal is told them: 24-bit, the 256-colour palette, or the 16 colours.
#include "cli/terminal_colours.h"

#include <array>
#include <cstring>
#include <string_view>

namespace hueloom::cli {
namespace {

constexpr std::array<int, 6> kCubeLevels = {0, 95, 135, 175, 215, 255};
constexpr int kGreys = 24;  // the ramp 8, 18, ..., 238, indices 232..255

// xterm's default sixteen, in SGR order: black, red, green, yellow, blue,
// magenta, cyan, white, then their bright forms.
constexpr std::array<Rgb, 16> kSixteen = {{{0, 0, 0},
                                           {205, 0, 0},
                                           {0, 205, 0},
                                           {205, 205, 0},
                                           {0, 0, 238},
                                           {205, 0, 205},
                                           {0, 205, 205},
                                           {229, 229, 229},
                                           {127, 127, 127},
                                           {255, 0, 0},
                                           {0, 255, 0},
                                           {255, 255, 0},
                                           {92, 92, 255},
                                           {255, 0, 255},
                                           {0, 255, 255},
                                           {255, 255, 255}}};

constexpr int Squared(int x) { return x * x; }

int Distance(Rgb a, Rgb b) {
    return Squared(a.red - b.red) + Squared(a.green - b.green) + Squared(a.blue - b.blue);
}

// The nearest cube level of each component value, the lower one on a tie.
constexpr auto kCubeSteps = [] {
    std::array<std::uint8_t, 256> steps{};
    for (int value = 0; value < 256; ++value) {
        std::uint8_t best = 0;
        for (std::uint8_t k = 1; k < kCubeLevels.size(); ++k) {
            if (Squared(value - kCubeLevels[k]) < Squared(value - kCubeLevels[best])) best = k;
        }
        steps[static_cast<std::size_t>(value)] = best;
    }
    return steps;
}();

constexpr std::uint8_t GreyLevel(int k) { return static_cast<std::uint8_t>(8 + 10 * k); }

// The grey nearest to a colour is the one nearest to the mean of its
// components: by the sum of the components, the lower one on a tie.
constexpr auto kNearestGreys = [] {
    std::array<std::uint8_t, 3 * 255 + 1> greys{};
    for (int sum = 0; sum < static_cast<int>(greys.size()); ++sum) {
        std::uint8_t best = 0;
        for (std::uint8_t k = 1; k < kGreys; ++k) {
            if (Squared(sum - 3 * GreyLevel(k)) < Squared(sum - 3 * GreyLevel(best))) best = k;
        }
        greys[static_cast<std::size_t>(sum)] = best;
    }
    return greys;
}();

// Each byte value in decimal with a ";" after it, for the 24-bit escapes.
struct DecimalText {
    char text[4];  // stored whole, used for length
    std::size_t length;
};
constexpr auto kDecimals = [] {
    std::array<DecimalText, 256> table{};
    for (int value = 0; value < 256; ++value) {
        DecimalText& d = table[static_cast<std::size_t>(value)];
        if (value >= 100) d.text[d.length++] = static_cast<char>('0' + value / 100);
        if (value >= 10) d.text[d.length++] = static_cast<char>('0' + value / 10 % 10);
        d.text[d.length++] = static_cast<char>('0' + value % 10);
        d.text[d.length++] = ';';
    }
    return table;
}();

char* WriteDecimal(char* out, std::uint32_t byte) {
    const DecimalText& d = kDecimals[byte & 0xFF];
    std::memcpy(out, d.text, sizeof d.text);  // what follows overwrites the rest
    return out + d.length;
}

char* WriteText(char* out, std::string_view text) {
    std::memcpy(out, text.data(), text.size());
    return out + text.size();
}

}  // namespace

ColourDepth DepthForColorterm(const char* colorterm) {
    if (colorterm == nullptr) return ColourDepth::k256;
    const std::string_view value = colorterm;
    return value == "truecolor" || value == "24bit" ? ColourDepth::k24Bit : ColourDepth::k256;
}

int Nearest256(Rgb colour) {
    const int red = kCubeSteps[colour.red], green = kCubeSteps[colour.green],
              blue = kCubeSteps[colour.blue];
    const Rgb cube = {static_cast<std::uint8_t>(kCubeLevels[red]),
                      static_cast<std::uint8_t>(kCubeLevels[green]),
                      static_cast<std::uint8_t>(kCubeLevels[blue])};
    const int grey = kNearestGreys[colour.red + colour.green + colour.blue];
    const Rgb grey_colour = {GreyLevel(grey), GreyLevel(grey), GreyLevel(grey)};
    if (Distance(colour, grey_colour) < Distance(colour, cube)) return 232 + grey;
    return 16 + 36 * red + 6 * green + blue;
}

int Nearest16(Rgb colour) {
    int best = 0, best_distance = Distance(colour, kSixteen[0]);
    for (int k = 1; k < static_cast<int>(kSixteen.size()); ++k) {
        const int distance = Distance(colour, kSixteen[k]);
        if (distance < best_distance) best = k, best_distance = distance;
    }
    return best;
}

std::uint32_t TerminalColourCode(Rgb colour, ColourDepth depth) {
    switch (depth) {
        case ColourDepth::k256:
            return static_cast<std::uint32_t>(Nearest256(colour));
        case ColourDepth::k16: {
            const int index = Nearest16(colour);
            return static_cast<std::uint32_t>(index < 8 ? 30 + index : 90 + index - 8);
        }
        case ColourDepth::k24Bit:
            break;
    }
    return std::uint32_t{colour.red} << 16 | std::uint32_t{colour.green} << 8 | colour.blue;
}

char* WriteColourEscape(char* out, std::uint32_t code, ColourDepth depth) {
    out = WriteText(out, "\x1b[");
    switch (depth) {
        case ColourDepth::k24Bit:
            out = WriteDecimal(
                WriteDecimal(WriteDecimal(WriteText(out, "38;2;"), code >> 16), code >> 8), code);
            break;
        case ColourDepth::k256:
            out = WriteDecimal(WriteText(out, "38;5;"), code);
            break;
        case ColourDepth::k16:
            out = WriteDecimal(out, code);
            break;
    }
    out[-1] = 'm';
    return out;
}

}  // namespace hueloom::cli
