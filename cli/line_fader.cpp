// One line of UTF-8 in, its fade out, a colour per grapheme cluster, in the format asked for.
#include "cli/line_fader.h"

#include "cli/graphemes.h"
#include "cli/utf8.h"
#include "fade/fade_over_stops.h"
#include "fade/text_length.h"

namespace hueloom::cli {

LineFader::LineFader(FadeSettings settings)
    : settings_(std::move(settings)),
      wavy_(settings_.wavy && settings_.stops.size() != kStopsThatNeverWave &&
            RowOf(settings_.format).canWave) {}

LineOutcome LineFader::Fade(std::string_view line, Output& out) {
    std::size_t clusters = line.size();
    if (EveryByteIsACluster(line)) {
        if (line.size() > kMaxFadeLength) return {LineOutcome::kTooLong, 0};
        starts_.clear();
    } else {
        const std::size_t bad_byte = DecodeUtf8(line, units_);
        if (bad_byte != kNotFound) return {LineOutcome::kNotUtf8, bad_byte};
        if (units_.size() > kMaxFadeLength) return {LineOutcome::kTooLong, 0};
        FindClusterStarts(line, starts_);
        clusters = starts_.size() - 1;
    }
    FadeClusters(settings_.stops, clusters, settings_.space, colours_);

    const FadedLine faded = {line, starts_, colours_, wavy_};
    const WriteOptions options = {settings_.depth, settings_.space};
    char* end = RowOf(settings_.format).write(out.Reserve(MostBytesOfLine(faded)), faded, options);
    out.Commit(end);
    return {};
}

}  // namespace hueloom::cli
