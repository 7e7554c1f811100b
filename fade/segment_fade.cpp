// The segment fade: per-character colours of one part, and its markup.
#include "fade/segment_fade.h"

#include <algorithm>

#include "fade/colour_tag.h"
#include "fade/round_half_even.h"
#include "fade/text_length.h"

namespace hueloom {
namespace {

// Characters written per growth of the markup. The string zero-fills what it
// grows by; a block this size is still in the first-level cache when it is
// overwritten, where zero-filling the whole result up front would not be.
constexpr int kBlockCharacters = 128;

// Components outside 0..255 are pulled to the nearest end, so the 16-bit
// difference cannot overflow and every tag keeps its six digits.
Component ClampComponent(Component x) { return std::clamp<Component>(x, 0, 255); }

// One component's fade: the start value and the step per character.
struct ComponentRamp {
    double start;
    double step;

    ComponentRamp(Component from, Component to, std::int16_t length)
        : start(ClampComponent(from)),
          step(static_cast<std::int16_t>(ClampComponent(to) - ClampComponent(from)) /
               static_cast<double>(length)) {}

    // Components of characters first + 1 .. first + count, each in the low
    // byte of its word (RoundHalfEvenBits). Product first, sum second; no fused
    // multiply-add (-ffp-contract=off). The value lies between the two stops'
    // components, so it rounds into 0..255.
    void Fill(int first, int count, std::uint64_t* rounded) const {
        for (int k = 0; k < count; ++k) {
            const double i = first + k + 1;
            rounded[k] = detail::RoundHalfEvenBits(step * i + start);
        }
    }
};

std::uint8_t Byte(std::uint64_t rounded) { return static_cast<std::uint8_t>(rounded); }

struct Ramps {
    ComponentRamp red, green, blue;
};

// Writes characters first .. first + count - 1 (from 0) of part at out. The
// tag and wave-tag writers store a code unit or so past what they write; the
// character after them overwrites it, so a block stays inside its own markup.
template <bool kWavy>
void WriteBlock(char16_t* out, std::u16string_view part, int first, int count, const Ramps& ramps,
                std::int16_t& wave_counter) {
    std::uint64_t red[kBlockCharacters], green[kBlockCharacters], blue[kBlockCharacters];
    ramps.red.Fill(first, count, red);
    ramps.green.Fill(first, count, green);
    ramps.blue.Fill(first, count, blue);
    const char16_t* characters = part.data() + first;
    for (int k = 0; k < count; ++k) {
        if constexpr (kWavy) {
            out = WriteColourTag(out, Byte(red[k]), Byte(green[k]), Byte(blue[k]));
            out = WriteWaveTag(out, wave_counter);
            *out++ = characters[k];
        } else {
            out = WriteTaggedCharacter(out, Byte(red[k]), Byte(green[k]), Byte(blue[k]),
                                       characters[k]);
        }
    }
}

}  // namespace

void AppendSegmentFade(std::u16string& markup, std::u16string_view part, ColorStop start,
                       ColorStop end, bool wavy, std::int16_t& wave_counter) {
    const std::int16_t length = FadeTextLength(part);
    if (length == 0) return;
    const Ramps ramps{{start.red, end.red, length},
                      {start.green, end.green, length},
                      {start.blue, end.blue, length}};
    for (int first = 0; first < length; first += kBlockCharacters) {
        const int count = std::min(kBlockCharacters, length - first);
        const std::size_t written = markup.size();
        markup.resize(written + MarkupLength(static_cast<std::size_t>(count), wavy, wave_counter));
        char16_t* out = markup.data() + written;
        if (wavy) {
            WriteBlock<true>(out, part, first, count, ramps, wave_counter);
        } else {
            WriteBlock<false>(out, part, first, count, ramps, wave_counter);
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
