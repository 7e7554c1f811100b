// The line drawn for a terminal: each cluster in its colour, nothing that a terminal takes as a
// command.
#pragma once

#include "cli/faded_line.h"
#include "cli/terminal_colours.h"

namespace hueloom::cli {

// Writes the line at out, which has room for MostBytesOfLine(line), and
// returns the end: a colour escape wherever the colour a terminal is sent
// changes, the clusters, and at the end the attributes reset (where a colour
// was set) and a new line. A carriage return starts a new line as the
// window's renderer starts one; other control characters are shown as their
// pictures (U+2400...), C1 controls as U+FFFD, a tab as it is.
char* WriteTerminal(char* out, const FadedLine& line, ColourDepth depth);

}  // namespace hueloom::cli
