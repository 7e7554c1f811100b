// Telling the user, in the preview strip, why the preview or Send stopped:
// two lines in dark red, drawn by the markup renderer like any preview.
#include "app/stopped_notice.h"

#include <string>

#include "fade/text_length.h"
#include "preview/render.h"

namespace hueloom {
namespace {

// "40000" as "40,000".
std::u16string Grouped(std::size_t number) {
    const std::string digits = std::to_string(number);
    std::u16string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += u',';
        grouped += static_cast<char16_t>(digits[i]);
    }
    return grouped;
}

// An error's own words, with nothing the renderer would take for a tag.
std::u16string PlainText(std::string_view text) {
    std::u16string plain;
    for (char c : text) {
        if (c != '<' && c != '+') plain += static_cast<char16_t>(static_cast<unsigned char>(c));
    }
    return plain;
}

// The line-break marker rather than a carriage return, so that drawing the
// notice never lets other events run.
void ShowTwoLines(DrawingSurface& surface, std::u16string_view first, std::u16string_view second) {
    std::u16string markup = u"<Font Color=#A00000>";
    markup.append(first).append(u"+chr13+").append(second);
    RenderMarkup(surface, markup);
}

}  // namespace

void ShowLineTooLong(DrawingSurface& surface, std::size_t length, bool sending) {
    const std::u16string first = (sending ? u"Not sent: this line has "
                                          : u"Too long to fade: "
                                            u"this line has ") +
                                 Grouped(length) + u" characters.";
    const std::u16string second =
        u"The longest line that can be faded has " + Grouped(kMaxFadeLength) + u".";
    ShowTwoLines(surface, first, second);
}

void ShowStopped(DrawingSurface& surface, std::string_view what, bool sending) {
    ShowTwoLines(surface, sending ? u"Not sent: an error stopped Send." : u"Stopped by an error.",
                 u"Error: " + PlainText(what));
}

void ShowPerhapsSent(DrawingSurface& surface, std::string_view what) {
    ShowTwoLines(surface, u"Perhaps sent: look in the chat before sending again.",
                 u"Error: " + PlainText(what));
}

}  // namespace hueloom
