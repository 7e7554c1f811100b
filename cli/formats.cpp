// The output formats of the fader: one table that the options, the help, the
// writers and the fuzzer all read, so a new format is one more row.
#include "cli/formats.h"

#include <array>

#include "cli/chat_formats.h"
#include "cli/tag_formats.h"
#include "cli/terminal_format.h"

namespace hueloom::cli {
namespace {

// The most a cluster adds besides its bytes: Matrix's <sup>, font, </font>
// and </sup>. The most a byte can become: in a terminal, a carriage return
// inside a cluster, the reset and new line it owes, and the colour set again (24).
// Writers may store a few bytes past what they write.
constexpr std::size_t kMostPerCluster = 48;
constexpr std::size_t kMostPerByte = 24;
constexpr std::size_t kSlack = 32;

// The writers that need nothing but the line.
template <char* (*Write)(char*, const FadedLine&)>
char* LineOnly(char* out, const FadedLine& line, const WriteOptions&) {
    return Write(out, line);
}

char* Terminal(char* out, const FadedLine& line, const WriteOptions& options) {
    return WriteTerminal(out, line, options.depth);
}

char* Irc(char* out, const FadedLine& line, const WriteOptions& options) {
    return WriteIrc(out, line, options.space);
}

constexpr std::array kRows = {
    FormatRow{Format::kMarkup, "markup", "<Font Color=#FF8800>H...", "the window's chat markup",
              true, LineOnly<WriteMarkup>},
    FormatRow{Format::kAnsi, "ansi", "ESC[38;2;255;136;0mH...", "a terminal (see --color-depth)",
              false, Terminal},
    FormatRow{Format::kHtml, "html", "<span style=\"color:#FF8800\">H</span>...", "a web page",
              true, LineOnly<WriteHtml>},
    FormatRow{Format::kBbcode, "bbcode", "[color=#FF8800]H[/color]...", "a forum post", false,
              LineOnly<WriteBbcode>},
    FormatRow{Format::kMiniMessage, "minimessage", "<#ff8800>H...", "a MiniMessage chat line",
              false, LineOnly<WriteMiniMessage>},
    FormatRow{Format::kIrc, "irc", "^C53H...", "IRC's 99 colours (^C is the byte 3)", false, Irc},
    FormatRow{Format::kIrcHex, "irc-hex", "^DFF8800H...", "IRC clients that read ^D (byte 4)",
              false, LineOnly<WriteIrcHex>},
    FormatRow{Format::kMatrix, "matrix", "<font data-mx-color=\"#FF8800\">H</font>...",
              "a Matrix message's HTML", true, LineOnly<WriteMatrix>},
    FormatRow{Format::kMinecraft, "minecraft", "§x§F§F§8§8§0§0H...", "Minecraft chat and servers",
              false, LineOnly<WriteMinecraft>},
    FormatRow{Format::kMinecraftAmp, "minecraft-amp", "&x&F&F&8&8&0&0H...",
              "Minecraft chat plugins", false, LineOnly<WriteMinecraftAmp>},
    FormatRow{Format::kTellraw, "tellraw", "[{\"text\":\"H\",\"color\":\"#FF8800\"},...",
              "/tellraw, a server console", false, LineOnly<WriteTellraw>},
};

// RowOf finds a format's row by its number.
constexpr bool InOrder() {
    for (std::size_t k = 0; k < kRows.size(); ++k) {
        if (kRows[k].format != static_cast<Format>(k)) return false;
    }
    return true;
}
static_assert(InOrder(), "the rows follow the order of Format");

}  // namespace

std::span<const FormatRow> Formats() { return kRows; }

const FormatRow& RowOf(Format format) { return kRows[static_cast<std::size_t>(format)]; }

std::string FormatNames(bool waving_only, std::string_view conjunction) {
    std::string names;
    std::string_view pending;  // the name that waits to learn whether it is the last
    for (const FormatRow& row : kRows) {
        if (waving_only && !row.canWave) continue;
        if (!pending.empty()) {
            if (!names.empty()) names += ", ";
            names += pending;
        }
        pending = row.name;
    }
    if (!names.empty()) names.append(" ").append(conjunction).append(" ");
    return names.append(pending);
}

std::size_t MostBytesOfLine(const FadedLine& line) {
    return line.colours.size() * kMostPerCluster + line.text.size() * kMostPerByte + kSlack;
}

}  // namespace hueloom::cli
