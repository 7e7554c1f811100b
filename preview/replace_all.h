// Replacing every occurrence of a text, yielding to the toolkit once per replacement.
#pragma once

#include <string>
#include <string_view>

namespace hueloom {

// A copy of text with every occurrence of find replaced; yields once per replacement.
std::u16string ReplaceAll(std::u16string_view text, std::u16string_view find,
                          std::u16string_view replacement);

}  // namespace hueloom
