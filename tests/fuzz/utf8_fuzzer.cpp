// Fuzzes the UTF-8 decoder of input lines and the encoder of markup against a
// plain reading of the standard: the same well-formed prefix, the same first
// bad byte, and bytes that come back unchanged through both.
//
// Input: bytes, read once as UTF-8 and once as UTF-16 code units (little-endian).
#include <cstdint>
#include <string>

#include "cli/utf8.h"
#include "fade/characters.h"
#include "fuzz_input.h"

namespace hueloom::fuzz {
namespace {

// Decodes by the bit patterns, then refuses overlong forms, surrogates and
// values past U+10FFFF. Returns the offset of the first bad sequence, or npos.
std::size_t ReferenceDecode(const std::string& bytes, std::u16string& out) {
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    out.clear();
    for (std::size_t at = 0; at < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[at]);
        std::size_t length = 0;
        char32_t value = 0;
        if (lead < 0x80) {
            length = 1, value = lead;
        } else if (lead >> 5 == 0x6) {
            length = 2, value = lead & 0x1F;
        } else if (lead >> 4 == 0xE) {
            length = 3, value = lead & 0x0F;
        } else if (lead >> 3 == 0x1E) {
            length = 4, value = lead & 0x07;
        } else {
            return at;
        }
        if (at + length > bytes.size()) return at;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[at + k]);
            if (next >> 6 != 0x2) return at;
            value = value << 6 | (next & 0x3F);
        }
        if (value < kSmallest[length] || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF) {
            return at;
        }
        if (value >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((value - 0x10000) >> 10));
            value = 0xDC00 + ((value - 0x10000) & 0x3FF);
        }
        out += static_cast<char16_t>(value);
        at += length;
    }
    return std::string::npos;
}

// Units with every lone surrogate made U+FFFD, as the encoder writes them.
std::u16string WithLoneSurrogatesReplaced(const std::u16string& units) {
    std::u16string out;
    for (std::size_t k = 0; k < units.size(); ++k) {
        const char16_t c = units[k];
        const bool pair =
            IsHighSurrogate(c) && k + 1 < units.size() && IsLowSurrogate(units[k + 1]);
        out += !pair && (IsHighSurrogate(c) || IsLowSurrogate(c)) ? u'\xFFFD' : c;
        if (pair) out += units[++k];
    }
    return out;
}

}  // namespace
}  // namespace hueloom::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace hueloom;
    using namespace hueloom::fuzz;
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    std::u16string decoded, expected;
    const std::size_t bad = cli::DecodeUtf8(bytes, decoded);
    const std::size_t reference_bad = ReferenceDecode(bytes, expected);
    Check(bad == (reference_bad == std::string::npos ? cli::kNotFound : reference_bad),
          "first bad byte differs from the reference");
    Check(decoded == expected, "decoded units differ from the reference");
    if (bad == cli::kNotFound) {
        std::string encoded;
        cli::AppendUtf8(decoded, encoded);
        Check(encoded == bytes, "well-formed UTF-8 does not come back unchanged");
    }

    std::u16string units;
    for (std::size_t k = 0; k + 1 < size; k += 2) {
        units += static_cast<char16_t>(data[k] | data[k + 1] << 8);
    }
    std::string encoded;
    cli::AppendUtf8(units, encoded);
    std::u16string round_trip;
    Check(cli::DecodeUtf8(encoded, round_trip) == cli::kNotFound, "the encoder wrote bad UTF-8");
    Check(round_trip == WithLoneSurrogatesReplaced(units), "units changed in the encoding");
    return 0;
}
