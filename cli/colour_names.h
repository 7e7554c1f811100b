// The CSS colour names, for colour stops typed as words.
#pragma once

#include <optional>
#include <string_view>

#include "fade/segment_fade.h"

namespace hueloom::cli {

// The colour of a CSS colour name in any case ("Gold", "rebeccapurple"), or
// nothing for a word that is not one.
std::optional<ColorStop> NamedColour(std::string_view name);

}  // namespace hueloom::cli
