// The output formats of the fader, and the one call that writes a line in any of them.
#include "cli/formats.h"

#include "cli/tag_formats.h"
#include "cli/terminal_format.h"

namespace hueloom::cli {
namespace {

// The most a cluster adds besides its bytes: HTML's <sup>, span, </span> and
// </sup>. The most a byte can become: in a terminal, a carriage return inside
// a cluster, the reset and new line it owes, and the colour set again (24).
// Writers may store a few bytes past what they write.
constexpr std::size_t kMostPerCluster = 48;
constexpr std::size_t kMostPerByte = 24;
constexpr std::size_t kSlack = 32;

}  // namespace

bool CanWave(Format format) { return format == Format::kMarkup || format == Format::kHtml; }

std::size_t MostBytesOfLine(const FadedLine& line) {
    return line.colours.size() * kMostPerCluster + line.text.size() * kMostPerByte + kSlack;
}

char* WriteFadedLine(char* out, const FadedLine& line, Format format, ColourDepth depth) {
    switch (format) {
        case Format::kAnsi:
            return WriteTerminal(out, line, depth);
        case Format::kHtml:
            return WriteHtml(out, line);
        case Format::kBbcode:
            return WriteBbcode(out, line);
        case Format::kMiniMessage:
            return WriteMiniMessage(out, line);
        case Format::kMarkup:
            break;
    }
    return WriteMarkup(out, line);
}

}  // namespace hueloom::cli
