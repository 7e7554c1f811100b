// The built hueloom-fade, run as a user runs it: statuses, streams, limits, exact bytes.
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cli/formats.h"
#include "fade/fade.h"

extern char** environ;

namespace hueloom {
namespace {

struct Result {
    std::string out, err;
    int status = -1;
};

std::string Slurp(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs the program on input; its output goes to a file of the test's own, or
// to the one named (such as /dev/full). COLORTERM is unset unless given.
Result RunFade(const std::vector<std::string>& args, const std::string& input = "",
               const std::string& output = "", const std::string& colorterm = "") {
    const std::string dir = ::testing::TempDir();
    std::ofstream(dir + "fade_in", std::ios::binary) << input;
    const std::string out_path = output.empty() ? dir + "fade_out" : output;
    std::string command =
        (colorterm.empty() ? "env -u COLORTERM " : "COLORTERM=" + colorterm + " ") +
        Quoted(HUELOOM_FADE);
    for (const std::string& arg : args) command += " " + Quoted(arg);
    command +=
        " <" + Quoted(dir + "fade_in") + " >" + Quoted(out_path) + " 2>" + Quoted(dir + "fade_err");
    const int status = std::system(command.c_str());
    return {output.empty() ? Slurp(out_path) : "", Slurp(dir + "fade_err"),
            WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

// Markup of plain ASCII text is ASCII: its UTF-8 is the code units narrowed.
std::string Narrow(const std::u16string& markup) {
    return std::string(markup.begin(), markup.end());
}

TEST(HueloomFade, PlainTextIsByteForByteTheWindowsMarkup) {
    const Result ten = RunFade(
        {"-w", "-s", "#112233,445566,778899,#AABBCC,ddeeff,000000,FF0000,00FF00,0000ff,010203",
         "Hello,", "chat!"});
    EXPECT_EQ(ten.out, Narrow(FadeTen(0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA,
                                      0xBB, 0xCC, 0xDD, 0xEE, 0xFF, 0, 0, 0, 255, 0, 0, 0, 255, 0,
                                      0, 0, 255, 1, 2, 3, u"Hello, chat!", true)) +
                           "\n");
    EXPECT_EQ(ten.status, 0);
    EXPECT_EQ(ten.err,
              "hueloom-fade: --wavy is ignored with 10 stops: the ten-stop fade writes "
              "no wave tags\n");

    const Result lines =
        RunFade({"--stops=#000000,#FF0000,#640000", "--wavy"}, "one\r\n\ntwo three");
    EXPECT_EQ(lines.out, Narrow(FadeThree(0, 0, 0, 255, 0, 0, 100, 0, 0, u"one", true)) + "\n\n" +
                             Narrow(FadeThree(0, 0, 0, 255, 0, 0, 100, 0, 0, u"two three", true)) +
                             "\n");
    EXPECT_EQ(lines.out, RunFade({"--wavy"}, "one\n\ntwo three\n").out) << "the default stops";
    EXPECT_EQ(lines.status, 0);
}

// A letter and its accent, a flag, a family, a wave with its skin tone: each
// one cluster in every format, with the format's escapes and wave tags.
TEST(HueloomFade, EveryFormatGivesEachClusterOneColourAndKeepsItWhole) {
    struct Case {
        std::vector<std::string> args;
        std::string input, out;
    };
    const std::string flag = "\U0001F1EB\U0001F1F7", family = "👩\u200D👩\u200D👧", wave = "👋🏽";
    const Case cases[] = {
        {{"-s", "000000,ffffff"},
         "e\u0301" + flag + family + "\n",
         "<Font Color=#555555>e\u0301<Font Color=#AAAAAA>" + flag + "<Font Color=#FFFFFF>" +
             family + "\n"},
        {{"-f", "html", "-w", "-s", "black,white"},
         "<&\">" + wave,
         "<sup><span style=\"color:#333333\">&lt;</span></sup><span style=\"color:#666666\">&amp;"
         "</span><sub><span style=\"color:#999999\">&quot;</span></sub><span style=\"color:"
         "#CCCCCC\">&gt;</span><sup><span style=\"color:#FFFFFF\">" +
             wave + "</span></sup>\n"},
        {{"-f", "bbcode", "-s", "Red,BLUE"},
         "a" + flag,
         "[color=#800080]a[/color][color=#0000FF]" + flag + "[/color]\n"},
        {{"-f", "minimessage", "-s", "red,blue"},
         "\\<" + family,
         "<#aa0055>\\\\<#5500aa>\\<<#0000ff>" + family + "\n"},
        {{"-f", "ansi", "--color-depth", "24", "-s", "ff0000,0000ff"},
         flag + "b",
         "\x1b[38;2;128;0;128m" + flag + "\x1b[38;2;0;0;255mb\x1b[0m\n"},
        // OKLab: black to white, at lightness 1/4, 1/2, 3/4, 1.
        {{"--space", "oklab", "-s", "black,white"},
         "abcd",
         "<Font Color=#222222>a<Font Color=#636363>b<Font Color=#AEAEAE>c<Font Color=#FFFFFF>d\n"},
        // A digit after a code, a comma where a background could start, a wave, a flag.
        {{"-f", "irc", "-s", "red,blue"},
         "1," + wave + flag,
         "\003511\00338\002\002,\00349" + wave + "\00360" + flag + "\017\n"},
        {{"-f", "irc-hex", "-s", "red,blue"},
         "1," + wave + flag,
         "\004BF00401\004800080\002\002,\0044000BF" + wave + "\0040000FF" + flag + "\017\n"},
        {{"-f", "matrix", "-w", "-s", "red,blue"},
         "1," + wave + flag,
         "<sup><font data-mx-color=\"#BF0040\">1</font></sup><font data-mx-color=\"#800080\">,"
         "</font><sub><font data-mx-color=\"#4000BF\">" +
             wave + "</font></sub><font data-mx-color=\"#0000FF\">" + flag + "</font>\n"},
        {{"-f", "minecraft", "-s", "red,blue"},
         "1," + wave + flag,
         "§x§B§F§0§0§4§01§x§8§0§0§0§8§0,§x§4§0§0§0§B§F" + wave + "§x§0§0§0§0§F§F" + flag + "\n"},
        {{"-f", "minecraft-amp", "-s", "red,blue"},
         "1," + wave + flag,
         "&x&B&F&0&0&4&01&x&8&0&0&0&8&0,&x&4&0&0&0&B&F" + wave + "&x&0&0&0&0&F&F" + flag + "\n"},
        {{"-f", "tellraw", "-s", "red,blue"},
         "1," + wave + flag,
         R"([{"text":"1","color":"#BF0040"},{"text":",","color":"#800080"},{"text":")" + wave +
             R"(","color":"#4000BF"},{"text":")" + flag +
             R"(","color":"#0000FF"}])"
             "\n"},
        // The nearest of IRC's 99 colours (two clusters over three stops take the second and the
        // third): 04 before its copy 52; 18; and where the two spaces disagree.
        {{"-f", "irc", "-s", "black,#FF0000,#474700"}, "ab", "\00304a\00318b\017\n"},
        {{"-f", "irc", "--space", "oklab", "-s", "black,#FFC0C0,#404080"},
         "ab",
         "\00315a\00335b\017\n"},
        {{"-f", "irc", "-s", "black,#FFC0C0,#404080"}, "ab", "\00377a\00392b\017\n"},
        // What the chat would read as a code of its own is shown instead.
        {{"-f", "irc", "-s", "black,black"}, "\003\017§", "\00301␃\00301␏\00301§\017\n"},
        {{"-f", "minecraft", "-s", "black,black"}, "§l", "§x§0§0§0§0§0§0�§x§0§0§0§0§0§0l\n"},
        {{"-f", "tellraw", "-s", "black,black"},
         "§\"\001",
         R"([{"text":"�","color":"#000000"},{"text":"\"","color":"#000000"},)"
         R"({"text":"\u0001","color":"#000000"}])"
         "\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(RunFade(c.args, c.input).out, c.out) << c.args[1];
}

// The depth from COLORTERM, or as asked; a "<" drawn like any character; a
// carriage return a new line, as the window's renderer draws it.
TEST(HueloomFade, DrawsForATerminalAtItsColourDepth) {
    const std::vector<std::string> args = {"-f", "ansi", "-s", "ff0000,0000ff", "a<b"};
    const std::string truecolour =
        "\x1b[38;2;170;0;85ma\x1b[38;2;85;0;170m<\x1b[38;2;0;0;255mb\x1b[0m\n";
    EXPECT_EQ(RunFade(args, "", "", "truecolor").out, truecolour);
    EXPECT_EQ(RunFade(args, "", "", "24bit").out, truecolour);
    EXPECT_EQ(RunFade(args).out, "\x1b[38;5;125ma\x1b[38;5;55m<\x1b[38;5;21mb\x1b[0m\n");
    std::vector<std::string> sixteen = args;
    sixteen.insert(sixteen.begin(), {"--color-depth", "4"});
    EXPECT_EQ(RunFade(sixteen, "", "", "truecolor").out,
              "\x1b[31ma\x1b[34m<b\x1b[0m\n");  // one escape for one code
    EXPECT_EQ(
        RunFade({"-f", "ansi", "--color-depth", "24", "-s", "000000,000000"}, "\rx\r\ry\r\n").out,
        "\n\x1b[38;2;0;0;0mx\x1b[0m\n\n\x1b[38;2;0;0;0my\x1b[0m\n");
}

// Too long by one unit, not UTF-8, longer than any buffer: each skipped with
// its line number, the lines around them written. The longest line there may
// be, 32767 euro signs in 98301 bytes, ends in CR LF where a 64 KiB read of the
// input stops between the two.
TEST(HueloomFade, SkipsLinesItCannotFadeAndWritesTheRest) {
    const auto repeated = [](const std::string& text, int count) {
        std::string repeats;
        for (int k = 0; k < count; ++k) repeats += text;
        return repeats;
    };
    const std::string euros = repeated("\xE2\x82\xAC", 32767), filler(32763, 'x');
    const std::string input = "\xEF\xBB\xBFok\n" + filler + "\n" + euros + "\r\n" + euros +
                              "\xE2\x82\xAC\n" + "caf\xC3\n" + std::string(1 << 20, 'x') + "\nend";
    const Result result = RunFade({"-s", "000000,000000"}, input);
    const std::string black = "<Font Color=#000000>";
    EXPECT_TRUE(result.out == black + "o" + black + "k\n" + repeated(black + "x", 32763) + "\n" +
                                  repeated(black + "\xE2\x82\xAC", 32767) + "\n" + black + "e" +
                                  black + "n" + black + "d\n");
    EXPECT_EQ(result.err,
              "hueloom-fade: line 4: longer than 32767 UTF-16 code units; skipped\n"
              "hueloom-fade: line 5: not valid UTF-8 (at byte 4); skipped\n"
              "hueloom-fade: line 6: longer than 32767 UTF-16 code units; skipped\n");
    EXPECT_EQ(result.status, 1);
}

TEST(HueloomFade, BadUsageIsRefusedBeforeAnythingIsReadOrWritten) {
    struct Case {
        std::vector<std::string> args;
        std::string named;
    };
    const Case cases[] = {
        {{"--bogus"}, "--bogus"},
        {{"-s", "#000000,#12345"}, "\"#12345\""},
        {{"-s", "ff0000"}, "1 colour stop given"},
        {{"-f", "rtf"}, "rtf"},
        {{"--space", "hsl"}, "hsl"},
        {{"--color-depth", "16"}, "16"},
    };
    for (const Case& c : cases) {
        const Result result = RunFade(c.args, "a line\n");
        EXPECT_EQ(result.status, 2) << c.named;
        EXPECT_EQ(result.out, "") << c.named;
        EXPECT_NE(result.err.find(c.named), std::string::npos) << result.err;
    }
    EXPECT_EQ(RunFade({"--version"}).out, "hueloom-fade 2.0\n");
    EXPECT_NE(RunFade({"--help"}).out.find("Examples:"), std::string::npos);
}

// Each row of the formats' table is a value -f takes, a line of --help, a
// format of the manual page and of the README's table, and, where it cannot
// wave, a format that refuses --wavy.
TEST(HueloomFade, TakesListsAndRefusesWavesInEveryFormatOfItsTable) {
    const std::string help = RunFade({"--help"}).out;
    const std::string page = Slurp(HUELOOM_SOURCE_DIR "/packaging/man/hueloom-fade.1.scd");
    const std::string readme = Slurp(HUELOOM_SOURCE_DIR "/README.md");
    for (const cli::FormatRow& row : cli::Formats()) {
        const std::string name(row.name);
        const Result result = RunFade({"-f", name, "-w", "-s", "red,blue", "a"});
        EXPECT_EQ(result.status, row.canWave ? 0 : 2) << name;
        EXPECT_EQ(result.out.empty(), !row.canWave) << name;
        EXPECT_EQ(result.err.find(name + " has no raised or lowered text") != std::string::npos,
                  !row.canWave)
            << result.err;
        EXPECT_NE(help.find("\n  " + name + " "), std::string::npos) << name;
        EXPECT_NE(page.find("\n*" + name + "*\n"), std::string::npos) << name;
        EXPECT_NE(readme.find("\n| `" + name + "`"), std::string::npos) << name;
    }
}

TEST(HueloomFade, AFailedWriteIsReportedAsAFailure) {
    const Result result = RunFade({"hello"}, "", "/dev/full");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("cannot write the output"), std::string::npos) << result.err;
}

// In a pipe a line comes out while standard input is still open.
TEST(HueloomFade, WritesEachLineBeforeTheInputEnds) {
    int input[2], output[2];
    ASSERT_EQ(pipe(input), 0);
    ASSERT_EQ(pipe(output), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], 0);
    posix_spawn_file_actions_adddup2(&actions, output[1], 1);
    posix_spawn_file_actions_addclose(&actions, input[1]);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    char* argv[] = {const_cast<char*>(HUELOOM_FADE), const_cast<char*>("--stops=000000,000000"),
                    nullptr};
    pid_t pid = -1;
    ASSERT_EQ(posix_spawn(&pid, HUELOOM_FADE, &actions, nullptr, argv, environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    close(input[0]);
    close(output[1]);

    ASSERT_EQ(write(input[1], "a\n", 2), 2);
    const std::string expected = "<Font Color=#000000>a\n";
    std::string got;
    char buffer[256];
    for (pollfd ready = {output[0], POLLIN, 0}; got.size() < expected.size();) {
        if (poll(&ready, 1, 10000) != 1) break;  // nothing within ten seconds
        const ssize_t count = read(output[0], buffer, sizeof buffer);
        if (count <= 0) break;
        got.append(buffer, static_cast<std::size_t>(count));
    }
    EXPECT_EQ(got, expected);
    close(input[1]);
    close(output[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
}  // namespace hueloom
