// The output formats of the fader: one table that the options, the help, the
// writers and the fuzzer all read, so a new format is one more row.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "cli/faded_line.h"
#include "cli/terminal_colours.h"

namespace hueloom::cli {

// The formats, in the order of their rows in Formats().
enum class Format {
    kMarkup,       // the window's chat markup
    kAnsi,         // drawn for a terminal
    kHtml,         // <span style="color:#RRGGBB">
    kBbcode,       // [color=#RRGGBB]
    kMiniMessage,  // <#rrggbb>
};

// Writes the line and a line ending at out (room for MostBytesOfLine) and
// returns the end; depth is for the terminal alone.
using WriteLine = char* (*)(char* out, const FadedLine& line, ColourDepth depth);

struct FormatRow {
    Format format;
    std::string_view name;    // what -f takes
    std::string_view sample;  // how a line begins in it, for --help
    std::string_view use;     // where it goes, for --help
    bool canWave;             // has a way to raise and lower characters
    WriteLine write;
};

// Every format, one row each.
std::span<const FormatRow> Formats();

const FormatRow& RowOf(Format format);

// The names of the formats, or of those that can wave, as a person lists them:
// "markup, ansi or html" with conjunction "or".
std::string FormatNames(bool waving_only, std::string_view conjunction);

// Room enough for any format's writing of the line, line ending included.
std::size_t MostBytesOfLine(const FadedLine& line);

}  // namespace hueloom::cli
