// The tags the markup renderer understands, and what each one does.
#pragma once

#include <cstdint>
#include <string_view>

#include "host/drawing_surface.h"

namespace hueloom::detail {

// The packed colour a "font color" tag sets: its code follows the first "#"
// (or starts the text when there is none) and is read as red, green, blue pairs.
std::int32_t TagColour(std::u16string_view tag_text);

// The face a "font face" tag sets: everything after its first double quote,
// or the whole text when it has none.
std::u16string_view TagFace(std::u16string_view tag_text);

// Acts on one lower-cased tag text: switches a style flag on the surface, moves
// the vertical shift, sets the colour or the face; anything else is ignored.
void ApplyTag(DrawingSurface& surface, std::u16string_view tag_text, int& vertical_shift);

}  // namespace hueloom::detail
