// The Windows-1252 code page, both ways, one code unit per byte.
#pragma once

#include <string>
#include <string_view>

namespace hueloom {

// The byte for a code unit, '?' where the code page has none (a surrogate,
// half of a pair or not, included).
char ToWindows1252(char16_t unit);

// The text of the bytes. The five bytes the code page leaves unassigned carry
// the C1 controls of the same number, as the host's own table has them.
std::u16string FromWindows1252(std::string_view bytes);

}  // namespace hueloom
