// Draws chat markup as styled, coloured text onto a drawing surface.
#pragma once

#include <string_view>

#include "host/drawing_surface.h"

namespace hueloom {

void RenderMarkup(DrawingSurface& surface, std::u16string_view markup);

}  // namespace hueloom
