// UTF-8 in and out: strict decoding of input lines, fast encoding of markup.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace hueloom::cli {

inline constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

// At most three UTF-8 bytes per UTF-16 code unit (a pair of units takes four).
inline constexpr std::size_t kMaxUtf8BytesPerUnit = 3;

// Decodes well-formed UTF-8 into out (replacing its contents) and returns
// kNotFound; or returns the offset of the first byte that does not start a
// well-formed sequence: overlong forms, encoded surrogates, values past
// U+10FFFF and cut-off sequences are all refused.
std::size_t DecodeUtf8(std::string_view bytes, std::u16string& out);

// Writes the UTF-8 of text at out, which has room for kMaxUtf8BytesPerUnit
// bytes per unit, and returns the end. A surrogate pair becomes its
// character; a lone surrogate, which UTF-8 cannot hold, becomes U+FFFD.
char* WriteUtf8(char* out, std::u16string_view text);

// The same, appended to a string.
void AppendUtf8(std::u16string_view text, std::string& out);

// Writes the UTF-8 of one character (at most four bytes) and returns the end.
char* WriteCodePoint(char* out, char32_t character);

inline char32_t CodePointOfPair(char16_t high, char16_t low) {
    return 0x10000 + ((char32_t{high} - 0xD800) << 10) + (char32_t{low} - 0xDC00);
}

}  // namespace hueloom::cli
