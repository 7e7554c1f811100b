// Colours as a terminal is told them: 24-bit, the 256-colour palette, or the 16 colours.
#pragma once

#include <cstddef>
#include <cstdint>

#include "fade/character_colours.h"

namespace hueloom::cli {

enum class ColourDepth {
    k24Bit,  // "\x1b[38;2;R;G;Bm", the colour itself
    k256,    // "\x1b[38;5;Nm", the nearest of the 6x6x6 cube and the grey ramp
    k16,     // "\x1b[30m".."\x1b[37m" and "\x1b[90m".."\x1b[97m", the nearest of the sixteen
};

// The depth a terminal takes when none is asked for: 24-bit where COLORTERM
// (given, or null when unset) says "truecolor" or "24bit", 256 colours otherwise.
ColourDepth DepthForColorterm(const char* colorterm);

// What the terminal is sent for a colour at a depth: the packed colour, the
// palette index or the SGR number. Equal codes give equal escapes.
std::uint32_t TerminalColourCode(Rgb colour, ColourDepth depth);

// The 256-colour palette's index nearest to colour, 16..255.
int Nearest256(Rgb colour);

// The index (0..15) of the nearest of the sixteen colours, as xterm draws them.
int Nearest16(Rgb colour);

// The longest escape WriteColourEscape writes.
inline constexpr std::size_t kLongestColourEscape = 19;

// Writes the escape that sets the foreground to the colour of code, made at
// depth, and returns its end.
char* WriteColourEscape(char* out, std::uint32_t code, ColourDepth depth);

}  // namespace hueloom::cli
