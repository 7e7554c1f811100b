// Lower-casing the text of a markup tag.
#pragma once

#include <string>
#include <string_view>

namespace hueloom::detail {

// Simple one-to-one lower-case mapping of the Latin, Greek and Cyrillic capitals.
char16_t LowerCase(char16_t c);

// Writes the lower-cased text into out, reusing out's storage.
void LowerCaseInto(std::u16string_view text, std::u16string& out);

}  // namespace hueloom::detail
