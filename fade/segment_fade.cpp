// The segment fade: per-character colours of one part, and its markup.
#include "fade/segment_fade.h"

#include <algorithm>

#include "fade/colour_tag.h"
#include "fade/component_ramp.h"
#include "fade/text_length.h"

namespace hueloom {
namespace {

using detail::Ramps;

// Characters written per growth of the markup. The string zero-fills what it
// grows by; a block this size is still in the first-level cache when it is
// overwritten, where zero-filling the whole result up front would not be.
constexpr int kBlockCharacters = 128;

std::uint8_t Byte(std::uint64_t rounded) { return static_cast<std::uint8_t>(rounded); }

// Copies the character at from (one unit, or a surrogate pair kept whole
// when the pair ends before end) to out; returns the end of what it wrote.
char16_t* CopyWholeCharacter(char16_t* out, const char16_t*& from, const char16_t* end) {
    const char16_t unit = *from++;
    *out++ = unit;
    if (IsHighSurrogate(unit) && from != end && IsLowSurrogate(*from)) *out++ = *from++;
    return out;
}

// Writes characters first .. first + count - 1 (from 0) of a part, read from
// characters up to end. The tag and wave-tag writers store a code unit or so
// past what they write; the character after them overwrites it, so a block
// stays inside its own markup.
template <bool kWavy, Characters kCharacters>
void WriteBlock(char16_t* out, const char16_t* characters, const char16_t* end, int first,
                int count, const Ramps& ramps, std::int16_t& wave_counter) {
    std::uint64_t red[kBlockCharacters], green[kBlockCharacters], blue[kBlockCharacters];
    ramps.red.Fill(first, count, red);
    ramps.green.Fill(first, count, green);
    ramps.blue.Fill(first, count, blue);
    for (int k = 0; k < count; ++k) {
        if constexpr (kWavy || kCharacters == Characters::kWholePairs) {
            out = WriteColourTag(out, Byte(red[k]), Byte(green[k]), Byte(blue[k]));
            if constexpr (kWavy) out = WriteWaveTag(out, wave_counter);
            if constexpr (kCharacters == Characters::kWholePairs) {
                out = CopyWholeCharacter(out, characters, end);
            } else {
                *out++ = characters[k];
            }
        } else {
            out = WriteTaggedCharacter(out, Byte(red[k]), Byte(green[k]), Byte(blue[k]),
                                       characters[k]);
        }
    }
}

// The segment fade with surrogate pairs kept whole. A loop of its own: sharing
// the per-code-unit loop below made the window's fades measurably slower.
void AppendWholePairFade(std::u16string& markup, std::u16string_view part, ColorStop start,
                         ColorStop end, bool wavy, std::int16_t& wave_counter) {
    constexpr Characters kPairs = Characters::kWholePairs;
    const auto length = static_cast<std::int16_t>(CountCharacters(part, kPairs));
    if (length == 0) return;
    const Ramps ramps(start, end, length);
    for (int first = 0; first < length; first += kBlockCharacters) {
        const int count = std::min(kBlockCharacters, length - first);
        const std::size_t units = UnitsOfCharacters(part, static_cast<std::size_t>(count), kPairs);
        const std::size_t written = markup.size();
        // A pair kept whole is one character with one unit more.
        markup.resize(written + MarkupLength(static_cast<std::size_t>(count), wavy, wave_counter) +
                      (units - static_cast<std::size_t>(count)));
        char16_t* out = markup.data() + written;
        const char16_t* block_end = part.data() + units;
        if (wavy) {
            WriteBlock<true, kPairs>(out, part.data(), block_end, first, count, ramps,
                                     wave_counter);
        } else {
            WriteBlock<false, kPairs>(out, part.data(), block_end, first, count, ramps,
                                      wave_counter);
        }
        part.remove_prefix(units);
    }
}

}  // namespace

void AppendSegmentFade(std::u16string& markup, std::u16string_view part, ColorStop start,
                       ColorStop end, bool wavy, std::int16_t& wave_counter,
                       Characters characters) {
    const std::int16_t length = FadeTextLength(part);  // the overflow before anything is written
    if (characters == Characters::kWholePairs) {
        AppendWholePairFade(markup, part, start, end, wavy, wave_counter);
        return;
    }
    if (length == 0) return;
    const Ramps ramps(start, end, length);
    for (int first = 0; first < length; first += kBlockCharacters) {
        const int count = std::min(kBlockCharacters, length - first);
        const std::size_t written = markup.size();
        markup.resize(written + MarkupLength(static_cast<std::size_t>(count), wavy, wave_counter));
        char16_t* out = markup.data() + written;
        const char16_t* characters = part.data() + first;
        if (wavy) {
            WriteBlock<true, Characters::kCodeUnits>(out, characters, nullptr, first, count, ramps,
                                                     wave_counter);
        } else {
            WriteBlock<false, Characters::kCodeUnits>(out, characters, nullptr, first, count, ramps,
                                                      wave_counter);
        }
    }
}

std::u16string SegmentFade(std::u16string_view part, ColorStop start, ColorStop end, bool wavy,
                           std::int16_t& wave_counter) {
    std::u16string markup;
    markup.reserve(MarkupLength(FadeTextLength(part), wavy, wave_counter));
    AppendSegmentFade(markup, part, start, end, wavy, wave_counter);
    return markup;
}

}  // namespace hueloom
