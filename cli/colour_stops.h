// Reading the colour stops of the command line: "#RRGGBB,RRGGBB,gold,...".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "fade/segment_fade.h"

namespace hueloom::cli {

struct ParsedStops {
    std::vector<ColorStop> stops;
    std::string error;  // what was wrong, for the user; empty when the stops were read
};

// Comma-separated colours, each "#RRGGBB" or "RRGGBB" or a CSS colour name,
// in any case, with blanks around them allowed; from kMinFadeStops to
// kMaxFadeStops of them.
ParsedStops ParseStops(std::string_view text);

// The window's announcement colours: black, red, dark red.
std::vector<ColorStop> DefaultStops();

}  // namespace hueloom::cli
