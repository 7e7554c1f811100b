// The formats that put a colour tag before each cluster: chat markup, HTML, Matrix, BBCode,
// MiniMessage.
#include "cli/tag_formats.h"

#include <string_view>

#include "cli/write_pieces.h"
#include "fade/colour_tag.h"

namespace hueloom::cli {
namespace {

// A cluster with some characters written as escapes: Escaped gives the
// escape of a byte, or an empty text for a byte written as it is. No escaped
// byte is part of a longer UTF-8 sequence, so bytes can be taken one by one.
template <std::string_view (*Escaped)(char)>
char* PutEscaped(char* out, char c) {
    const std::string_view escape = Escaped(c);
    return escape.empty() ? Put(out, c) : Put(out, escape);
}

template <std::string_view (*Escaped)(char)>
char* PutEscaped(char* out, std::string_view cluster) {
    for (const char c : cluster) out = PutEscaped<Escaped>(out, c);
    return out;
}

std::string_view HtmlEscape(char c) {
    switch (c) {
        case '&':
            return "&amp;";
        case '<':
            return "&lt;";
        case '>':
            return "&gt;";
        case '"':
            return "&quot;";
        default:
            return {};
    }
}

std::string_view MiniMessageEscape(char c) {
    switch (c) {
        case '\\':
            return "\\\\";
        case '<':
            return "\\<";
        default:
            return {};
    }
}

constexpr std::string_view kSpanOpening = "<span style=\"color:#", kSpanClosing = "</span>";
constexpr std::string_view kFontOpening = "<font data-mx-color=\"#", kFontClosing = "</font>";

// HTML of either form, the colour in the opening tag: one tag each cluster,
// raised and lowered when wavy inside <sup> and <sub>. The tags are template
// arguments so that each form's copies are of known sizes.
template <const std::string_view& kOpening, const std::string_view& kClosing>
char* WriteHtmlTags(char* out, const FadedLine& line) {
    std::int16_t wave_counter = 0;
    out = ForEachCluster(out, line, [&](char* at, Rgb colour, auto cluster) {
        // The counter's first and third tags raise and lower; the others are the line itself.
        const std::size_t wave = line.wavy ? AdvanceWaveCounter(wave_counter) : 1;
        if (wave % 2 == 0) at = Put(at, kWaveTags[wave]);
        at = Put(PutHex(Put(at, kOpening), colour, kUpperHex), "\">");
        at = Put(PutEscaped<HtmlEscape>(at, cluster), kClosing);
        if (wave % 2 == 0) at = Put(at, kWaveTags[wave + 1]);
        return at;
    });
    return Put(out, '\n');
}

}  // namespace

char* WriteMarkup(char* out, const FadedLine& line) {
    std::int16_t wave_counter = 0;
    out = ForEachCluster(out, line, [&](char* at, Rgb colour, auto cluster) {
        at = Put(PutHex(Put(at, kColourTagOpening), colour, kUpperHex), '>');
        if (line.wavy) at = Put(at, kWaveTags[AdvanceWaveCounter(wave_counter)]);
        return Put(at, cluster);
    });
    return Put(out, '\n');
}

char* WriteHtml(char* out, const FadedLine& line) {
    return WriteHtmlTags<kSpanOpening, kSpanClosing>(out, line);
}

char* WriteMatrix(char* out, const FadedLine& line) {
    return WriteHtmlTags<kFontOpening, kFontClosing>(out, line);
}

char* WriteBbcode(char* out, const FadedLine& line) {
    out = ForEachCluster(out, line, [](char* at, Rgb colour, auto cluster) {
        at = Put(PutHex(Put(at, "[color=#"), colour, kUpperHex), ']');
        return Put(Put(at, cluster), "[/color]");
    });
    return Put(out, '\n');
}

char* WriteMiniMessage(char* out, const FadedLine& line) {
    out = ForEachCluster(out, line, [](char* at, Rgb colour, auto cluster) {
        at = Put(PutHex(Put(at, "<#"), colour, kLowerHex), '>');
        return PutEscaped<MiniMessageEscape>(at, cluster);
    });
    return Put(out, '\n');
}

}  // namespace hueloom::cli
