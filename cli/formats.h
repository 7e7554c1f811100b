// The output formats of the fader: one table that the options, the help, the
// writers and the fuzzer all read, so a new format is one more row.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "cli/cluster_fade.h"
#include "cli/faded_line.h"
#include "cli/terminal_colours.h"

namespace hueloom::cli {

// The formats, in the order of their rows in Formats().
enum class Format {
    kMarkup,        // the window's chat markup
    kAnsi,          // drawn for a terminal
    kHtml,          // <span style="color:#RRGGBB">
    kBbcode,        // [color=#RRGGBB]
    kMiniMessage,   // <#rrggbb>
    kIrc,           // 0x03 and a number of IRC's 99 colours
    kIrcHex,        // 0x04RRGGBB
    kMatrix,        // <font data-mx-color="#RRGGBB">
    kMinecraft,     // §x§R§R§G§G§B§B
    kMinecraftAmp,  // &x&R&R&G&G&B&B
    kTellraw,       // [{"text":"H","color":"#RRGGBB"},...]
};

// What a writer may need besides the line: the terminal's depth, and the
// space in which a palette's nearest colour is found.
struct WriteOptions {
    ColourDepth depth = ColourDepth::k24Bit;
    ColourSpace space = ColourSpace::kRgb;
};

// Writes the line and a line ending at out (room for MostBytesOfLine) and
// returns the end.
using WriteLine = char* (*)(char* out, const FadedLine& line, const WriteOptions& options);

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
