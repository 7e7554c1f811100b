// Unicode's own test data through the fader: each grapheme-break case without a line
// break, and each fully-qualified emoji, written as markup one colour per cluster.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/line_fader.h"
#include "cli/utf8.h"

namespace hueloom::cli {
namespace {

using Clusters = std::vector<std::string>;

std::string Utf8Of(char32_t c) {
    char bytes[4];
    return std::string(bytes, WriteCodePoint(bytes, c));
}

// "÷ 0020 × 0308 ÷ 1F1E6 ÷" (÷ a break, × none) as its clusters.
Clusters ClustersOfCase(const std::string& line) {
    Clusters clusters;
    std::istringstream words(line.substr(0, line.find('#')));
    for (std::string word; words >> word;) {
        if (word == "\xC3\xB7") {
            clusters.emplace_back();
        } else if (word != "\xC3\x97") {
            clusters.back() += Utf8Of(static_cast<char32_t>(std::stoul(word, nullptr, 16)));
        }
    }
    clusters.pop_back();  // after the final break
    return clusters;
}

// What the fader puts after each colour tag. No case holds a "<" of its own.
Clusters FadedClusters(const std::string& text) {
    LineFader fader({{{0, 0, 0}, {255, 255, 255}}});
    Output out(-1);
    EXPECT_EQ(fader.Fade(text, out).result, LineOutcome::kWritten);
    std::string markup(out.Gathered().substr(0, out.size() - 1));  // less the line ending
    constexpr std::size_t kTag = 20;                               // "<Font Color=#RRGGBB>"
    Clusters clusters;
    for (std::size_t at = 0; at < markup.size();) {
        const std::size_t next = markup.find("<Font Color=#", at + kTag);
        clusters.push_back(markup.substr(at + kTag, next - at - kTag));
        at = next == std::string::npos ? markup.size() : next;
    }
    return clusters;
}

std::ifstream Open(const std::string& name) {
    std::ifstream file(std::string(HUELOOM_UNICODE_DATA) + "/" + name);
    if (!file)
        ADD_FAILURE() << HUELOOM_UNICODE_DATA "/" << name << " is missing (package unicode-data)";
    return file;
}

TEST(UnicodeConformance, GraphemeBreakTestWithoutLineBreaks) {
    std::ifstream file = Open("auxiliary/GraphemeBreakTest.txt");
    int cases = 0, whole = 0;
    for (std::string line; std::getline(file, line);) {
        const std::string data = line.substr(0, line.find('#'));
        if (data.empty() || data.find("000A") != std::string::npos ||
            data.find("000D") != std::string::npos) {
            continue;
        }
        ++cases;
        const Clusters expected = ClustersOfCase(line);
        std::string text;
        for (const std::string& cluster : expected) text += cluster;
        const Clusters faded = FadedClusters(text);
        if (faded == expected) ++whole;
        EXPECT_EQ(faded, expected) << line;
    }
    std::printf("grapheme-break cases without a line break: %d of %d whole\n", whole, cases);
    EXPECT_GT(cases, 0);
}

TEST(UnicodeConformance, EveryFullyQualifiedEmojiIsOneCluster) {
    std::ifstream file = Open("emoji/emoji-test.txt");
    int emoji = 0, whole = 0;
    for (std::string line; std::getline(file, line);) {
        const std::size_t status = line.find("; fully-qualified");
        if (line.empty() || line[0] == '#' || status == std::string::npos) continue;
        ++emoji;
        std::string text;
        std::istringstream points(line.substr(0, status));
        for (std::string point; points >> point;) {
            text += Utf8Of(static_cast<char32_t>(std::stoul(point, nullptr, 16)));
        }
        const Clusters faded = FadedClusters(text);
        if (faded == Clusters{text}) ++whole;
        EXPECT_EQ(faded, Clusters{text}) << line;
    }
    std::printf("fully-qualified emoji: %d of %d whole\n", whole, emoji);
    EXPECT_GT(emoji, 0);
}

}  // namespace
}  // namespace hueloom::cli
