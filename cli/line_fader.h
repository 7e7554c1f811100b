// One line of UTF-8 in, its fade out: as chat markup or drawn for a terminal.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "cli/output.h"
#include "fade/segment_fade.h"

namespace hueloom::cli {

enum class Format {
    kMarkup,  // the chat markup, in UTF-8
    kAnsi,    // the markup drawn by the preview's renderer onto a terminal
};

struct FadeSettings {
    std::vector<ColorStop> stops;
    bool wavy = false;
    Format format = Format::kMarkup;
};

struct LineOutcome {
    enum Result { kWritten, kTooLong, kNotUtf8 } result = kWritten;
    std::size_t badByte = 0;  // for kNotUtf8: where the line stops being UTF-8
};

class LineFader {
  public:
    explicit LineFader(FadeSettings settings) : settings_(std::move(settings)) {}

    // Appends the line's output and a line ending to out; a line that cannot
    // be faded leaves out untouched.
    LineOutcome Fade(std::string_view line, Output& out);

  private:
    FadeSettings settings_;
    std::u16string text_;  // reused from line to line
    std::string drawn_;
};

}  // namespace hueloom::cli
