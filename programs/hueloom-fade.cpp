// hueloom-fade: fades lines of text into the formats of cli/formats.h's table.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <variant>

#include "cli/formats.h"
#include "cli/line_reader.h"
#include "cli/options.h"
#include "cli/platform.h"
#include "cli/utf8.h"
#include "fade/fade_over_stops.h"
#include "fade/text_length.h"

namespace hueloom::cli {
namespace {

constexpr std::size_t kFlushSize = 256 * 1024;
// No line of more bytes can be within the fade's limit in UTF-16 code units.
constexpr std::size_t kMaxLineBytes = kMaxFadeLength * kMaxUtf8BytesPerUnit;

int Failed(const char* what) {
    std::fprintf(stderr, "hueloom-fade: cannot %s: %s\n", what, std::strerror(errno));
    return 1;
}

// Says why a line was skipped; false when it was.
bool Report(std::size_t number, LineOutcome outcome) {
    if (outcome.result == LineOutcome::kWritten) return true;
    if (outcome.result == LineOutcome::kTooLong) {
        std::fprintf(stderr, "hueloom-fade: line %zu: longer than %zu UTF-16 code units; skipped\n",
                     number, kMaxFadeLength);
    } else {
        std::fprintf(stderr, "hueloom-fade: line %zu: not valid UTF-8 (at byte %zu); skipped\n",
                     number, outcome.badByte + 1);
    }
    return false;
}

// With 10 stops --wavy is no error: the line is written all the same, without
// waves. (A format that cannot wave is refused with the options.)
void WarnOfWavesNotWritten(const FadeSettings& settings) {
    if (settings.wavy && settings.stops.size() == kStopsThatNeverWave) {
        std::fputs(
            "hueloom-fade: --wavy is ignored with 10 stops: the ten-stop fade writes no "
            "wave tags\n",
            stderr);
    }
}

int FadeWords(const std::vector<std::string>& words, LineFader& fader, Output& out) {
    std::string line;
    for (const std::string& word : words) {
        if (&word != &words.front()) line += ' ';
        line += word;
    }
    const bool written = Report(1, fader.Fade(line, out));
    if (!out.Flush()) return Failed("write the output");
    return written ? 0 : 1;
}

int FadeLines(LineFader& fader, Output& out) {
    LineReader reader(kStandardInput, kMaxLineBytes);
    bool all_written = true;
    for (std::size_t number = 1;; ++number) {
        // What is done goes out before the wait for more input, so lines
        // stream through a pipe; a busy stream goes out in large blocks.
        if ((!reader.HasLineReady() || out.size() >= kFlushSize) && !out.Flush()) {
            return Failed("write the output");
        }
        std::string_view line;
        const LineReader::Status status = reader.Next(line);
        if (status == LineReader::Status::kEnd) break;
        if (status == LineReader::Status::kFailed) {
            const int read_error = errno;
            out.Flush();
            errno = read_error;
            return Failed("read the input");
        }
        const LineOutcome outcome = status == LineReader::Status::kTooLong
                                        ? LineOutcome{LineOutcome::kTooLong, 0}
                                        : fader.Fade(line, out);
        all_written = Report(number, outcome) && all_written;
    }
    if (!out.Flush()) return Failed("write the output");
    return all_written ? 0 : 1;
}

int Run(int argc, char** argv) {
    SetUpStandardStreams();
    std::variant<Options, int> read = ReadOptions(CommandLineArguments(argc, argv));
    if (const int* status = std::get_if<int>(&read)) return *status;
    Options& options = std::get<Options>(read);
    WarnOfWavesNotWritten(options.settings);
    LineFader fader(std::move(options.settings));
    Output out(kStandardOutput);
    return options.words.empty() ? FadeLines(fader, out) : FadeWords(options.words, fader, out);
}

}  // namespace
}  // namespace hueloom::cli

int main(int argc, char** argv) { return hueloom::cli::Run(argc, argv); }
