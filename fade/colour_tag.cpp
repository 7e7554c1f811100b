// The colour tag and the wave tags as texts of their own.
#include "fade/colour_tag.h"

namespace hueloom {

std::u16string ColourTag(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    std::u16string tag(kColourTagLength + 1,
                       u'\0');  // room for the unit the writer stores past the tag
    tag.resize(static_cast<std::size_t>(WriteColourTag(tag.data(), red, green, blue) - tag.data()));
    return tag;
}

std::u16string_view NextWaveTag(std::int16_t& wave_counter) {
    const detail::WaveTagText& tag = detail::kWideWaveTags[AdvanceWaveCounter(wave_counter)];
    return {tag.text, tag.length};
}

}  // namespace hueloom
