// The output formats of the fader, and the one call that writes a line in any of them.
#pragma once

#include <cstddef>

#include "cli/faded_line.h"
#include "cli/terminal_colours.h"

namespace hueloom::cli {

enum class Format {
    kMarkup,       // the window's chat markup
    kAnsi,         // drawn for a terminal
    kHtml,         // <span style="color:#RRGGBB">
    kBbcode,       // [color=#RRGGBB]
    kMiniMessage,  // <#rrggbb>
};

// Whether the format has a way to raise and lower characters.
bool CanWave(Format format);

// Room enough for any format's writing of the line, line ending included.
std::size_t MostBytesOfLine(const FadedLine& line);

// Writes the line and a line ending in the format at out (room for
// MostBytesOfLine) and returns the end. depth is for kAnsi alone.
char* WriteFadedLine(char* out, const FadedLine& line, Format format, ColourDepth depth);

}  // namespace hueloom::cli
