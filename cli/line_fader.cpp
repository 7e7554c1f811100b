// One line of UTF-8 in, its fade out: as chat markup or drawn for a terminal.
#include "cli/line_fader.h"

#include "cli/terminal_surface.h"
#include "cli/utf8.h"
#include "fade/fade_over_stops.h"
#include "fade/text_length.h"
#include "preview/render.h"

namespace hueloom::cli {

LineOutcome LineFader::Fade(std::string_view line, Output& out) {
    const std::size_t bad_byte = DecodeUtf8(line, text_);
    if (bad_byte != kNotFound) return {LineOutcome::kNotUtf8, bad_byte};
    if (text_.size() > kMaxFadeLength) return {LineOutcome::kTooLong, 0};

    const std::u16string markup =
        FadeOverStops(settings_.stops, text_, settings_.wavy, Characters::kWholePairs);
    if (settings_.format == Format::kMarkup) {
        char* end = WriteUtf8(out.Reserve(markup.size() * kMaxUtf8BytesPerUnit + 1), markup);
        *end++ = '\n';
        out.Commit(end);
    } else {
        drawn_.clear();
        TerminalSurface surface(drawn_);
        RenderMarkup(surface, markup);
        surface.EndLine();
        out.Append(drawn_);
    }
    return {};
}

}  // namespace hueloom::cli
