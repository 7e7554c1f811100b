// Draws chat markup as styled, coloured text onto a drawing surface.
#include "preview/render.h"

#include <cstddef>
#include <cstdint>
#include <string>

#include "preview/find_unit.h"
#include "preview/lower_case.h"
#include "preview/markup_tag.h"
#include "preview/replace_all.h"

namespace hueloom {
namespace {

constexpr std::u16string_view kCarriageReturn = u"\r";
constexpr std::u16string_view kLineBreakMarker = u"+chr13+";
constexpr int kLeftMargin = 2;
constexpr int kLineHeight = 16;

// Where the next character goes. Pen x is single precision, as widths add up.
struct Pen {
    float x = 0;
    std::int64_t line_top = 0;
    int vertical_shift = 0;
};

void SetUpSurface(DrawingSurface& surface) {
    surface.SetFontName(u"Arial");
    surface.SetFontSize(10);
    surface.SetFontBold(false);
    surface.SetFontItalic(false);
    surface.SetFontUnderline(false);
    surface.SetFontStrikethru(false);
    surface.SetAutoRedraw(true);
    surface.SetForeColor(0);
    surface.Cls();
}

void DrawCharacter(DrawingSurface& surface, std::u16string_view character, Pen& pen) {
    surface.SetCurrentY(static_cast<float>(pen.line_top + pen.vertical_shift));
    surface.SetCurrentX(pen.x + kLeftMargin);
    surface.Print(character);
    pen.x += surface.TextWidth(character);
}

// Walks the text once. A "<" with no ">" after it is no tag: it is drawn like
// any other character, and so is the rest of the text.
void Scan(DrawingSurface& surface, std::u16string_view text) {
    constexpr std::size_t npos = std::u16string_view::npos;
    Pen pen;
    std::u16string tag_text;      // reused, so a tag costs no allocation
    std::size_t no_close = npos;  // no ">" stands at or after this position
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'<') {
            const std::size_t close =
                i + 1 >= no_close ? npos : detail::FindUnit(text, u'>', i + 1);
            if (close != npos) {
                detail::LowerCaseInto(text.substr(i + 1, close - i - 1), tag_text);
                detail::ApplyTag(surface, tag_text, pen.vertical_shift);
                i = close;
                continue;
            }
            no_close = i + 1;
        } else if (c == u'+' && text.substr(i, kLineBreakMarker.size()) == kLineBreakMarker) {
            pen.line_top += kLineHeight;
            pen.x = 0;
            i += kLineBreakMarker.size() - 1;
            continue;
        }
        DrawCharacter(surface, text.substr(i, 1), pen);
    }
}

}  // namespace

void RenderMarkup(DrawingSurface& surface, std::u16string_view markup) {
    // ReplaceAll copies the markup before it yields, so the caller's text may
    // change under a nested handler without touching this drawing.
    const std::u16string working = ReplaceAll(markup, kCarriageReturn, kLineBreakMarker);

    const std::int16_t saved_scale_mode = surface.ScaleMode();
    surface.SetScaleMode(kScaleModePixels);
    SetUpSurface(surface);
    Scan(surface, working);
    surface.SetScaleMode(saved_scale_mode);
}

}  // namespace hueloom
