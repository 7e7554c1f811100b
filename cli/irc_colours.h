// IRC's 99 colours: the sixteen every client knows, then the extended palette 16..98.
#pragma once

#include "cli/cluster_fade.h"
#include "fade/character_colours.h"

namespace hueloom::cli {

inline constexpr int kIrcColourCount = 99;

// The number whose colour is nearest to colour, by distance in space; on a
// tie the lower number, so the sixteen win over their copies in 52..98.
int NearestIrcColour(Rgb colour, ColourSpace space);

}  // namespace hueloom::cli
