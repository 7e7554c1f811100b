// The fader's command line: options and the text to fade.
#include "cli/options.h"

#include <CLI/CLI.hpp>
#include <cstdio>

#include "cli/colour_stops.h"

namespace hueloom::cli {
namespace {

constexpr const char* kProgram = "hueloom-fade";

constexpr const char* kDescription =
    "Fades text into chat markup: a colour tag before every character, the colours running\n"
    "from stop to stop. Text comes from the arguments, or line by line from standard input.\n";

constexpr const char* kExamples = R"(Examples:
  echo 'Hello chat' | hueloom-fade -s '#ff8800,#0088ff'    one line in, its markup out
  hueloom-fade -f ansi -s ff0000,00ff00,0000ff Hello world  see the fade in the terminal
  hueloom-fade -w < lines.txt > faded.html                 every line of a file, wavy)";

int UsageError(const std::string& message) {
    std::fprintf(stderr, "%s: %s\nRun '%s --help' for the options.\n", kProgram, message.c_str(),
                 kProgram);
    return kUsageError;
}

}  // namespace

std::variant<Options, int> ReadOptions(const std::vector<std::string>& arguments) {
    CLI::App app(kDescription, kProgram);
    app.footer(kExamples);
    app.set_version_flag("--version", std::string(kProgram) + " " + HUELOOM_VERSION);

    Options options;
    std::string stops;
    std::string format = "markup";
    app.add_option("-s,--stops", stops,
                   "colour stops, comma-separated, each #RRGGBB or RRGGBB; 2 to 16 of them\n"
                   "(default: #000000,#FF0000,#640000)")
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.add_flag("-w,--wavy", options.settings.wavy,
                 "raise and lower the characters in turn (not with 10 stops)");
    app.add_option("-f,--format", format, "markup (the default) or ansi: drawn for a terminal")
        ->check(CLI::IsMember({"markup", "ansi"}))
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.add_option("text", options.words,
                   "the text, as one line (words joined by single spaces); put -- before a\n"
                   "text that starts with -");

    std::vector<const char*> argv;
    for (const std::string& argument : arguments) argv.push_back(argument.c_str());
    try {
        app.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == 0) return app.exit(error);  // --help or --version
        return UsageError(error.what());
    }

    if (app.count("--stops") == 0) {
        options.settings.stops = DefaultStops();
    } else {
        ParsedStops parsed = ParseStops(stops);
        if (!parsed.error.empty()) return UsageError("--stops: " + parsed.error);
        options.settings.stops = std::move(parsed.stops);
    }
    options.settings.format = format == "ansi" ? Format::kAnsi : Format::kMarkup;
    return options;
}

}  // namespace hueloom::cli
