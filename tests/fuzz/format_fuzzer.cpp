// Fuzzes the fader's writers and its segmentation: any input gives valid UTF-8
// or is refused untouched; each format gives the text back (read by the
// format's own rules); clusters start on characters and cover the line; the
// fast path agrees with the library; and text of one code point per cluster
// comes out in the window's markup byte for byte.
//
// Input: format (its row in the table, mod the rows), options (1 wavy, 2
// OKLab, 4 and 8 the terminal's depth), the count of stops (2 + mod 15),
// three bytes a stop, then the line. The switch below names every format, so
// a new one draws a warning here until it has a check of its own.
#include <cctype>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli/formats.h"
#include "cli/graphemes.h"
#include "cli/line_fader.h"
#include "cli/utf8.h"
#include "fade/fade_over_stops.h"
#include "fuzz_input.h"

namespace hueloom::fuzz {
namespace {

using cli::Format;

// The output less everything from open to close (tags, escapes).
std::string WithoutTags(std::string_view out, char open, char close) {
    std::string text;
    for (std::size_t at = 0; at < out.size(); ++at) {
        if (out[at] == open) {
            at = out.find(close, at);
            if (at == std::string_view::npos) break;
        } else {
            text += out[at];
        }
    }
    return text;
}

std::string HtmlText(std::string_view out) {
    const std::string tagless = WithoutTags(out, '<', '>');
    std::string text;
    for (std::size_t at = 0; at < tagless.size(); ++at) {
        bool entity = false;
        for (const auto& [name, c] :
             {std::pair{"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&amp;", '&'}}) {
            if (!entity && std::string_view(tagless).substr(at).starts_with(name)) {
                text += c;
                at += std::string_view(name).size() - 1;
                entity = true;
            }
        }
        if (!entity) text += tagless[at];
    }
    return text;
}

std::string MiniMessageText(std::string_view out) {
    std::string text;
    for (std::size_t at = 0; at < out.size(); ++at) {
        if (out[at] == '\\' && at + 1 < out.size()) {
            text += out[++at];
        } else if (out[at] == '<') {
            at = out.find('>', at);
        } else {
            text += out[at];
        }
    }
    return text;
}

// What a terminal is to show of the text: controls as their pictures, C1 as
// U+FFFD, each carriage return a new line before the next character shown.
std::string TerminalText(std::u16string_view units) {
    std::string text;
    std::size_t owed = 0;
    for (std::size_t k = 0; k < units.size(); ++k) {
        char32_t c = units[k];
        if (IsHighSurrogate(units[k])) {
            c = cli::CodePointOfPair(units[k], units[k + 1]);  // decoded UTF-8: pairs are whole
            ++k;
        }
        if (c == u'\r') {
            ++owed;
            continue;
        }
        text.append(owed, '\n');
        owed = 0;
        if ((c < 0x20 && c != u'\t') || c == 0x7F) c = c == 0x7F ? 0x2421 : 0x2400 + c;
        if (c >= 0x80 && c < 0xA0) c = 0xFFFD;
        char bytes[4];
        text.append(bytes, cli::WriteCodePoint(bytes, c));
    }
    return text;
}

// The text as a chat that reads codes in it is to show it: controls as their
// pictures (IRC keeps the tab), C1 as U+FFFD, and a "§" as U+FFFD in every
// Minecraft form.
enum class Chat { kIrc, kMinecraft };
std::string ChatText(std::u16string_view units, Chat chat) {
    std::string text;
    for (std::size_t k = 0; k < units.size(); ++k) {
        char32_t c = units[k];
        if (IsHighSurrogate(units[k])) {
            c = cli::CodePointOfPair(units[k], units[k + 1]);
            ++k;
        }
        if ((c < 0x20 && !(chat == Chat::kIrc && c == u'\t')) || c == 0x7F) {
            c = c == 0x7F ? 0x2421 : 0x2400 + c;
        }
        if ((c >= 0x80 && c < 0xA0) || (chat == Chat::kMinecraft && c == 0xA7)) c = 0xFFFD;
        char bytes[4];
        text.append(bytes, cli::WriteCodePoint(bytes, c));
    }
    return text;
}

// What an IRC client shows: 0x03 and up to two digits, or 0x04 and six hex
// digits, each with a comma and a background if a digit follows; bold and
// reset dropped. Any other control would be a code the text let through.
std::string IrcText(std::string_view out) {
    std::string text;
    for (std::size_t at = 0; at < out.size();) {
        const char c = out[at++];
        if (c == '\x03' || c == '\x04') {
            const std::size_t width = c == '\x03' ? 2 : 6;
            const auto digit = [&](std::size_t k) {
                const int d = k < out.size() ? static_cast<unsigned char>(out[k]) : 0;
                return c == '\x03' ? std::isdigit(d) : std::isxdigit(d);
            };
            for (std::size_t n = 0; n < width && digit(at); ++n) ++at;
            if (at < out.size() && out[at] == ',' && digit(at + 1)) {
                for (std::size_t n = 0, start = ++at; n < width && digit(start + n); ++n) ++at;
            }
        } else if (c != '\x02' && c != '\x0F') {
            Check(static_cast<unsigned char>(c) >= 0x20 || c == '\t', "irc lets a control through");
            text += c;
        }
    }
    return text;
}

// What Minecraft shows: a "§" and the character after it are a code; with
// the "&" form a plugin first makes "&" and a letter or digit into one.
std::string MinecraftText(std::string_view out, bool ampersand) {
    std::string text;
    for (std::size_t at = 0; at < out.size(); ++at) {
        const bool amp_code = ampersand && out[at] == '&' && at + 1 < out.size() &&
                              std::isalnum(static_cast<unsigned char>(out[at + 1]));
        if (amp_code || out.substr(at).starts_with("\xC2\xA7")) {
            at += amp_code ? 1 : 2;
        } else {
            text += out[at];
        }
    }
    return text;
}

void CheckClusters(std::string_view line, const std::vector<std::uint32_t>& starts) {
    Check(starts.back() == line.size() && (line.empty() || starts.front() == 0),
          "clusters do not cover the line");
    for (std::size_t k = 0; k + 1 < starts.size(); ++k) {
        Check(starts[k] < starts[k + 1], "an empty cluster");
        Check((static_cast<unsigned char>(line[starts[k]]) & 0xC0) != 0x80,
              "a cluster starts inside a character");
    }
    if (cli::EveryByteIsACluster(line)) {
        Check(starts.size() == line.size() + 1, "the fast path joins what the library splits");
    }
}

}  // namespace
}  // namespace hueloom::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace hueloom;
    using namespace hueloom::fuzz;
    FuzzInput input(data, size);
    cli::FadeSettings settings;
    settings.format = cli::Formats()[input.Byte() % cli::Formats().size()].format;
    const std::uint8_t options = input.Byte();
    settings.wavy = (options & 1) != 0;
    settings.space = (options & 2) != 0 ? cli::ColourSpace::kOklab : cli::ColourSpace::kRgb;
    settings.depth = static_cast<cli::ColourDepth>((options >> 2) % 3);
    const std::size_t stops = 2 + input.Byte() % 15;
    for (std::size_t k = 0; k < stops; ++k) {
        settings.stops.push_back({input.Byte(), input.Byte(), input.Byte()});
    }
    std::string line;
    while (!input.empty()) line += static_cast<char>(input.Byte());
    const cli::FadeSettings asked = settings;

    cli::LineFader fader(std::move(settings));
    cli::Output out(-1);
    const cli::LineOutcome outcome = fader.Fade(line, out);
    std::u16string units;
    if (cli::DecodeUtf8(line, units) != cli::kNotFound) {
        Check(outcome.result == cli::LineOutcome::kNotUtf8 && out.size() == 0,
              "a line that is not UTF-8 was not refused untouched");
        return 0;
    }
    Check(outcome.result == cli::LineOutcome::kWritten, "a line of UTF-8 was refused");
    const std::string_view written = out.Gathered();
    std::u16string decoded;
    Check(cli::DecodeUtf8(written, decoded) == cli::kNotFound, "the output is not UTF-8");
    Check(!written.empty() && written.back() == '\n', "no line ending");
    const std::string_view body = written.substr(0, written.size() - 1);

    std::vector<std::uint32_t> starts;
    cli::FindClusterStarts(line, starts);
    CheckClusters(line, starts);

    switch (asked.format) {
        case Format::kHtml:
        case Format::kMatrix:
            Check(HtmlText(body) == line, "html does not give the text back");
            break;
        case Format::kMiniMessage:
            Check(MiniMessageText(body) == line, "minimessage does not give the text back");
            break;
        case Format::kBbcode:
            if (line.find('[') == std::string::npos) {
                Check(WithoutTags(body, '[', ']') == line, "bbcode does not give the text back");
            }
            break;
        case Format::kAnsi:
            Check(WithoutTags(body, '\x1b', 'm') == TerminalText(units),
                  "the terminal is not shown the text");
            break;
        case Format::kIrc:
        case Format::kIrcHex:
            Check(IrcText(body) == ChatText(units, Chat::kIrc), "irc does not show the text");
            break;
        case Format::kMinecraft:
        case Format::kMinecraftAmp:
            Check(MinecraftText(body, asked.format == Format::kMinecraftAmp) ==
                      ChatText(units, Chat::kMinecraft),
                  "minecraft does not show the text");
            break;
        case Format::kTellraw:  // parsed as JSON in the test tellraw_json
            break;
        case Format::kMarkup:
            if (line.find('<') == std::string::npos) {
                Check(WithoutTags(body, '<', '>') == line, "markup does not give the text back");
            }
            // One code point a cluster: the window's own fade, byte for byte.
            if (asked.space == cli::ColourSpace::kRgb &&
                starts.size() - 1 == CountCharacters(units, Characters::kWholePairs)) {
                std::string markup;
                cli::AppendUtf8(
                    FadeOverStops(asked.stops, units, asked.wavy, Characters::kWholePairs), markup);
                Check(markup == body, "markup differs from the window's fade");
            }
            break;
    }
    return 0;
}
