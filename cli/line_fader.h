// One line of UTF-8 in, its fade out, a colour per grapheme cluster, in the format asked for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cluster_fade.h"
#include "cli/formats.h"
#include "cli/output.h"
#include "cli/terminal_colours.h"

namespace hueloom::cli {

struct FadeSettings {
    std::vector<ColorStop> stops;
    bool wavy = false;
    Format format = Format::kMarkup;
    ColourSpace space = ColourSpace::kRgb;
    ColourDepth depth = ColourDepth::k24Bit;  // for Format::kAnsi
};

struct LineOutcome {
    enum Result { kWritten, kTooLong, kNotUtf8 } result = kWritten;
    std::size_t badByte = 0;  // for kNotUtf8: where the line stops being UTF-8
};

class LineFader {
  public:
    explicit LineFader(FadeSettings settings);

    // Appends the line's output and a line ending to out; a line that cannot
    // be faded (not UTF-8, or over the window's 32767 UTF-16 code units)
    // leaves out untouched.
    LineOutcome Fade(std::string_view line, Output& out);

  private:
    FadeSettings settings_;
    bool wavy_;                          // asked for, and the stops and format can wave
    std::u16string units_;               // reused from line to line
    std::vector<std::uint32_t> starts_;  // of the clusters
    std::vector<Rgb> colours_;
};

}  // namespace hueloom::cli
