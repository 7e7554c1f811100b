// The fader's command line: options and the text to fade.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "cli/line_fader.h"

namespace hueloom::cli {

struct Options {
    FadeSettings settings;
    std::vector<std::string> words;  // the text, when given on the command line
};

inline constexpr int kUsageError = 2;

// The options of a command line (the program's name first), or the exit status
// when nothing is left to do: 0 once --help or --version is printed,
// kUsageError once a bad option or value is reported on standard error.
std::variant<Options, int> ReadOptions(const std::vector<std::string>& arguments);

}  // namespace hueloom::cli
