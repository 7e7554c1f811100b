// Counting characters with valid surrogate pairs kept whole.
#include "fade/characters.h"

namespace hueloom::detail {
namespace {

bool PairAt(std::u16string_view text, std::size_t at) {
    return at + 1 < text.size() && IsHighSurrogate(text[at]) && IsLowSurrogate(text[at + 1]);
}

}  // namespace

std::size_t CountWholePairCharacters(std::u16string_view text) {
    // Most text has no surrogate at all: a pass the compiler can widen tells.
    unsigned surrogates = 0;
    for (const char16_t c : text) surrogates |= (c & 0xF800) == 0xD800;
    if (surrogates == 0) return text.size();
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); at += PairAt(text, at) ? 2 : 1) ++count;
    return count;
}

std::size_t UnitsOfWholePairCharacters(std::u16string_view text, std::size_t count) {
    std::size_t at = 0;
    for (; count > 0 && at < text.size(); --count) at += PairAt(text, at) ? 2 : 1;
    return at;
}

}  // namespace hueloom::detail
