// What a fade counts as one character: a code unit, or a valid surrogate pair kept whole.
#pragma once

#include <cstddef>
#include <string_view>

namespace hueloom {

enum class Characters {
    kCodeUnits,   // every UTF-16 code unit gets its own colour tag, as the window fades
    kWholePairs,  // a high surrogate followed by a low one is one character, one tag
};

inline bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
inline bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

namespace detail {
std::size_t CountWholePairCharacters(std::u16string_view text);
std::size_t UnitsOfWholePairCharacters(std::u16string_view text, std::size_t count);
}  // namespace detail

// Characters in text. A lone surrogate counts as one character of its own.
inline std::size_t CountCharacters(std::u16string_view text, Characters characters) {
    return characters == Characters::kCodeUnits ? text.size()
                                                : detail::CountWholePairCharacters(text);
}

// Code units of the first count characters of text; all of text when it has fewer.
inline std::size_t UnitsOfCharacters(std::u16string_view text, std::size_t count,
                                     Characters characters) {
    return characters == Characters::kCodeUnits ? (count < text.size() ? count : text.size())
                                                : detail::UnitsOfWholePairCharacters(text, count);
}

}  // namespace hueloom
