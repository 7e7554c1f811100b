// Draws chat markup as styled, coloured text onto a drawing surface.
#pragma once

#include <string>
#include <string_view>

#include "host/drawing_surface.h"

namespace hueloom {

void RenderMarkup(DrawingSurface& surface, std::u16string_view markup);

// A copy of text with every occurrence of find replaced; yields once per replacement.
std::u16string ReplaceAll(std::u16string_view text, std::u16string_view find,
                          std::u16string_view replacement);

}  // namespace hueloom
