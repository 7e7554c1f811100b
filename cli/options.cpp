// The fader's command line: options and the text to fade.
#include "cli/options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "cli/colour_stops.h"
#include "cli/formats.h"

namespace hueloom::cli {
namespace {

constexpr const char* kProgram = "hueloom-fade";

constexpr const char* kDescription =
    "Fades text into colour: every character as a person sees it (a letter and its accents, an\n"
    "emoji, a flag) in one colour of its own, the colours running from stop to stop. Text comes\n"
    "from the arguments, or line by line from standard input.\n";

constexpr const char* kExamples = R"(
Examples:
  echo 'Hello chat' | hueloom-fade -s '#ff8800,#0088ff'      one line in, its markup out
  hueloom-fade -f ansi -s red,gold,dodgerblue 'Hi 👋🏽 🇫🇷'    see it in the terminal
  hueloom-fade -f html -w -s hotpink,teal 'Hi <all>' > hi.html     every character a span
  hueloom-fade -f bbcode --space oklab -s navy,orange < lines.txt  every line of a file)";

// Columns a terminal gives UTF-8 text of narrow characters: one a character.
std::size_t Columns(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// The formats, a line each, then the examples.
std::string Footer() {
    std::string footer = "Formats (-f):\n";
    for (const FormatRow& row : Formats()) {
        std::string line = "  " + std::string(row.name);
        line.resize(17, ' ');
        line += row.sample;
        const std::size_t columns = Columns(line);
        line.append(columns < 58 ? 59 - columns : 1, ' ');
        line += row.use;
        if (row.format == FadeSettings{}.format) line += " (the default)";
        footer += line + "\n";
    }
    return footer + kExamples;
}

int UsageError(const std::string& message) {
    std::fprintf(stderr, "%s: %s\nRun '%s --help' for the options.\n", kProgram, message.c_str(),
                 kProgram);
    return kUsageError;
}

// The names an option takes, each with its value, in the order --help lists them.
template <typename Value>
using Choices = std::vector<std::pair<std::string, Value>>;

const Choices<ColourSpace> kSpaces = {{"rgb", ColourSpace::kRgb}, {"oklab", ColourSpace::kOklab}};
const Choices<ColourDepth> kDepths = {
    {"24", ColourDepth::k24Bit}, {"8", ColourDepth::k256}, {"4", ColourDepth::k16}};

Choices<Format> FormatChoices() {
    Choices<Format> choices;
    for (const FormatRow& row : Formats()) choices.emplace_back(row.name, row.format);
    return choices;
}

template <typename Value>
std::vector<std::string> NamesOf(const Choices<Value>& choices) {
    std::vector<std::string> names;
    for (const auto& choice : choices) names.push_back(choice.first);
    return names;
}

// An option that takes one of the names, the last one given counting.
template <typename Value>
void AddChoice(CLI::App& app, const std::string& flags, const Choices<Value>& choices, Value& value,
               const std::string& help) {
    app.add_option_function<std::string>(
           flags,
           [&choices, &value](const std::string& name) {
               for (const auto& choice : choices) {
                   if (choice.first == name) value = choice.second;
               }
           },
           help)
        ->check(CLI::IsMember(NamesOf(choices)))
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
}

}  // namespace

std::variant<Options, int> ReadOptions(const std::vector<std::string>& arguments) {
    CLI::App app(kDescription, kProgram);
    app.footer(Footer());
    app.set_version_flag("--version", std::string(kProgram) + " " + HUELOOM_VERSION);

    Options options;
    FadeSettings& settings = options.settings;
    std::string stops;
    settings.depth = DepthForColorterm(std::getenv("COLORTERM"));
    app.add_option("-s,--stops", stops,
                   "colour stops, comma-separated, each #RRGGBB, RRGGBB or a CSS colour\n"
                   "name (gold, DodgerBlue, ...); 2 to 16 of them\n"
                   "(default: #000000,#FF0000,#640000)")
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.add_flag("-w,--wavy", settings.wavy,
                 "raise and lower the characters in turn (" + FormatNames(true, "and") +
                     ";\nnot with 10 stops)");
    const Choices<Format> formats = FormatChoices();
    AddChoice(app, "-f,--format", formats, settings.format,
              "the form of the output (see Formats below)");
    AddChoice(app, "--space", kSpaces, settings.space,
              "rgb (the default, as the window fades) or oklab (even to the eye)");
    AddChoice(app, "--color-depth", kDepths, settings.depth,
              "for ansi: 24 (24-bit), 8 (256 colours) or 4 (16 colours); without\n"
              "it, 24 where COLORTERM is truecolor or 24bit, else 8");
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

    const FormatRow& format = RowOf(settings.format);
    if (settings.wavy && !format.canWave) {
        return UsageError("--wavy: " + std::string(format.name) +
                          " has no raised or lowered text (only " + FormatNames(true, "and") +
                          " have)");
    }
    if (app.count("--stops") == 0) {
        settings.stops = DefaultStops();
    } else {
        ParsedStops parsed = ParseStops(stops);
        if (!parsed.error.empty()) return UsageError("--stops: " + parsed.error);
        settings.stops = std::move(parsed.stops);
    }
    return options;
}

}  // namespace hueloom::cli
