// UTF-8 in and out: strict decoding of input lines, fast encoding of markup.
#include "cli/utf8.h"

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "fade/characters.h"

namespace hueloom::cli {
namespace {

constexpr std::uint64_t kHighBitOfEachByte = 0x8080808080808080u;
constexpr std::size_t kAsciiRun = 8;

unsigned char Byte(std::string_view bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]);
}

bool EightAsciiBytes(std::string_view bytes, std::size_t at) {
    std::uint64_t eight;
    if (at + kAsciiRun > bytes.size()) return false;
    std::memcpy(&eight, bytes.data() + at, sizeof eight);
    return (eight & kHighBitOfEachByte) == 0;
}

// Narrows the ASCII units at the front of text to bytes at out, a block at a
// time, and returns how many it took. Markup is nearly all ASCII.
#if defined(__SSE2__)
std::size_t NarrowAsciiBlocks(std::u16string_view text, char* out) {
    constexpr std::size_t kBlock = 16;
    const __m128i high_bits = _mm_set1_epi16(static_cast<short>(0xFF80));
    std::size_t done = 0;
    for (; done + kBlock <= text.size(); done += kBlock) {
        const auto* units = reinterpret_cast<const __m128i*>(text.data() + done);
        const __m128i first = _mm_loadu_si128(units), second = _mm_loadu_si128(units + 1);
        const __m128i beyond = _mm_and_si128(_mm_or_si128(first, second), high_bits);
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(beyond, _mm_setzero_si128())) != 0xFFFF) break;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + done), _mm_packus_epi16(first, second));
    }
    return done;
}
#else
// Elsewhere every unit takes the general path below.
std::size_t NarrowAsciiBlocks(std::u16string_view, char*) { return 0; }
#endif

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The well-formed sequences of the Unicode standard, by their lead byte: how
// many bytes follow, and the range the first of them must fall in (which
// shuts out overlong forms, surrogates and values past U+10FFFF).
struct Lead {
    int following;
    unsigned char low, high;
};

Lead LeadOf(unsigned char byte) {
    if (byte >= 0xC2 && byte <= 0xDF) return {1, 0x80, 0xBF};
    if (byte == 0xE0) return {2, 0xA0, 0xBF};
    if (byte == 0xED) return {2, 0x80, 0x9F};
    if (byte >= 0xE1 && byte <= 0xEF) return {2, 0x80, 0xBF};
    if (byte == 0xF0) return {3, 0x90, 0xBF};
    if (byte >= 0xF1 && byte <= 0xF3) return {3, 0x80, 0xBF};
    if (byte == 0xF4) return {3, 0x80, 0x8F};
    return {0, 0, 0};  // a continuation byte, C0, C1 or F5..FF: never a lead
}

// Decodes the sequence at bytes[at] (not ASCII) into out; false when it is
// not well-formed. Moves at past it.
bool DecodeSequence(std::string_view bytes, std::size_t& at, char16_t*& out) {
    const unsigned char lead = Byte(bytes, at);
    const Lead rule = LeadOf(lead);
    if (rule.following == 0 || at + static_cast<std::size_t>(rule.following) >= bytes.size()) {
        return false;
    }
    const unsigned char second = Byte(bytes, at + 1);
    if (second < rule.low || second > rule.high) return false;
    std::uint32_t value = lead & (0x7F >> (rule.following + 1));
    for (int k = 1; k <= rule.following; ++k) {
        const unsigned char byte = Byte(bytes, at + static_cast<std::size_t>(k));
        if (!IsContinuation(byte)) return false;
        value = value << 6 | (byte & 0x3F);
    }
    at += static_cast<std::size_t>(rule.following) + 1;
    if (value < 0x10000) {
        *out++ = static_cast<char16_t>(value);
    } else {
        value -= 0x10000;
        *out++ = static_cast<char16_t>(0xD800 + (value >> 10));
        *out++ = static_cast<char16_t>(0xDC00 + (value & 0x3FF));
    }
    return true;
}

}  // namespace

std::size_t DecodeUtf8(std::string_view bytes, std::u16string& out) {
    out.resize(bytes.size());  // never more units than bytes
    char16_t* written = out.data();
    std::size_t at = 0;
    while (at < bytes.size()) {
        if (EightAsciiBytes(bytes, at)) {
            for (std::size_t k = 0; k < kAsciiRun; ++k) written[k] = Byte(bytes, at + k);
            written += kAsciiRun;
            at += kAsciiRun;
        } else if (Byte(bytes, at) < 0x80) {
            *written++ = Byte(bytes, at++);
        } else if (!DecodeSequence(bytes, at, written)) {
            out.resize(static_cast<std::size_t>(written - out.data()));
            return at;
        }
    }
    out.resize(static_cast<std::size_t>(written - out.data()));
    return kNotFound;
}

char* WriteUtf8(char* out, std::u16string_view text) {
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t ascii = NarrowAsciiBlocks(text.substr(at), out);
        out += ascii;
        at += ascii;
        if (at == text.size()) break;
        const char16_t unit = text[at++];
        char32_t character = unit;
        if (IsHighSurrogate(unit) && at < text.size() && IsLowSurrogate(text[at])) {
            character = CodePointOfPair(unit, text[at++]);
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            character = 0xFFFD;
        }
        out = WriteCodePoint(out, character);
    }
    return out;
}

void AppendUtf8(std::u16string_view text, std::string& out) {
    const std::size_t start = out.size();
    out.resize(start + text.size() * kMaxUtf8BytesPerUnit);
    out.resize(static_cast<std::size_t>(WriteUtf8(out.data() + start, text) - out.data()));
}

char* WriteCodePoint(char* out, char32_t c) {
    if (c < 0x80) {
        *out++ = static_cast<char>(c);
    } else if (c < 0x800) {
        *out++ = static_cast<char>(0xC0 | c >> 6);
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *out++ = static_cast<char>(0xE0 | c >> 12);
        *out++ = static_cast<char>(0x80 | (c >> 6 & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        *out++ = static_cast<char>(0xF0 | c >> 18);
        *out++ = static_cast<char>(0x80 | (c >> 12 & 0x3F));
        *out++ = static_cast<char>(0x80 | (c >> 6 & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

}  // namespace hueloom::cli
