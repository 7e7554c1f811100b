// Telling the user, in the preview strip, why the preview or Send stopped.
#include "app/stopped_notice.h"

#include <string>

#include "fade/text_length.h"
#include "host/drawing_surface.h"
#include "host/packed_colour.h"

namespace hueloom {
namespace {

constexpr float kLineHeight = 16;

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

std::u16string Widened(std::string_view text) {
    std::u16string wide;
    for (char c : text) wide += static_cast<char16_t>(static_cast<unsigned char>(c));
    return wide;
}

// Clears the strip and writes two lines in dark red, as the renderer places text.
void ShowTwoLines(DrawingSurface& surface, std::u16string_view first, std::u16string_view second) {
    const std::int16_t savedScaleMode = surface.ScaleMode();
    surface.SetScaleMode(kScaleModePixels);
    surface.SetFontName(u"Arial");
    surface.SetFontSize(10);
    surface.SetFontBold(false);
    surface.SetFontItalic(false);
    surface.SetFontUnderline(false);
    surface.SetFontStrikethru(false);
    surface.SetAutoRedraw(true);
    surface.SetForeColor(PackedColour(160, 0, 0));
    surface.Cls();
    surface.SetCurrentX(2);
    surface.SetCurrentY(0);
    surface.Print(first);
    surface.SetCurrentX(2);
    surface.SetCurrentY(kLineHeight);
    surface.Print(second);
    surface.SetScaleMode(savedScaleMode);
}

}  // namespace

void ShowLineTooLong(DrawingSurface& surface, std::size_t length, bool sending) {
    const std::u16string first = (sending ? u"Not sent: this line has " : u"Too long to fade: "
                                                                          u"this line has ") +
                                 Grouped(length) + u" characters.";
    const std::u16string second =
        u"The longest line that can be faded has " + Grouped(kMaxFadeLength) + u".";
    ShowTwoLines(surface, first, second);
}

void ShowStopped(DrawingSurface& surface, std::string_view what, bool sending) {
    ShowTwoLines(surface, sending ? u"Not sent: an error stopped Send." : u"The preview stopped.",
                 u"Error: " + Widened(what));
}

}  // namespace hueloom
