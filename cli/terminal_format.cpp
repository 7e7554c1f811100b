// The line drawn for a terminal: each cluster in its colour, nothing that a terminal takes as a
// command.
#include "cli/terminal_format.h"

#include <cstring>
#include <string_view>
#include <type_traits>

#include "cli/utf8.h"

namespace hueloom::cli {
namespace {

constexpr std::string_view kReset = "\x1b[0m";
constexpr char32_t kReplacement = 0xFFFD;

bool IsC1Pair(unsigned char lead, unsigned char next) {
    return lead == 0xC2 && next >= 0x80 && next < 0xA0;
}

// The line's state as the terminal has it: which colour is set, and how many
// new lines are owed. Those are written only before the next cluster shown,
// so a carriage return at the end of a line adds none, as in the window.
class TerminalLine {
  public:
    explicit TerminalLine(ColourDepth depth) : depth_(depth) {}

    char* Cluster(char* out, Rgb colour, std::string_view bytes) {
        const std::uint32_t code = CodeOf(colour);
        for (std::size_t k = 0; k < bytes.size(); ++k) {
            const auto byte = static_cast<unsigned char>(bytes[k]);
            if (byte == '\r') {
                ++owedLines_;
                continue;
            }
            out = Show(out, code);
            if ((byte < 0x20 && byte != '\t') || byte == 0x7F) {
                out = WriteCodePoint(out, byte == 0x7F ? 0x2421 : 0x2400 + byte);
            } else if (k + 1 < bytes.size() &&
                       IsC1Pair(byte, static_cast<unsigned char>(bytes[k + 1]))) {
                out = WriteCodePoint(out, kReplacement);
                ++k;
            } else {
                *out++ = static_cast<char>(byte);
            }
        }
        return out;
    }

    char* End(char* out) {
        if (colourShown_) out = Put(out, kReset);
        *out++ = '\n';
        return out;
    }

  private:
    static char* Put(char* out, std::string_view text) {
        std::memcpy(out, text.data(), text.size());
        return out + text.size();
    }

    // Neighbouring clusters often share a colour; quantizing is not free.
    std::uint32_t CodeOf(Rgb colour) {
        if (!haveLast_ || colour != lastColour_) {
            lastCode_ = TerminalColourCode(colour, depth_);
            lastColour_ = colour;
            haveLast_ = true;
        }
        return lastCode_;
    }

    char* Show(char* out, std::uint32_t code) {
        for (; owedLines_ > 0; --owedLines_) {
            out = End(out);
            colourShown_ = false;
        }
        if (!colourShown_ || code != shownCode_) {
            out = WriteColourEscape(out, code, depth_);
            shownCode_ = code;
            colourShown_ = true;
        }
        return out;
    }

    ColourDepth depth_;
    bool colourShown_ = false;
    std::uint32_t shownCode_ = 0;
    std::size_t owedLines_ = 0;
    bool haveLast_ = false;
    Rgb lastColour_;
    std::uint32_t lastCode_ = 0;
};

}  // namespace

char* WriteTerminal(char* out, const FadedLine& line, ColourDepth depth) {
    TerminalLine terminal(depth);
    out = ForEachCluster(out, line, [&](char* at, Rgb colour, auto cluster) {
        if constexpr (std::is_same_v<decltype(cluster), char>) {
            return terminal.Cluster(at, colour, std::string_view(&cluster, 1));
        } else {
            return terminal.Cluster(at, colour, cluster);
        }
    });
    return terminal.End(out);
}

}  // namespace hueloom::cli
