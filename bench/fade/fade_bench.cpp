// Fade speed over 3, 4, 5 and 10 stops, and its ratio to copying the markup's bytes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "fade/fade.h"

namespace {

using hueloom::Component;

std::u16string SampleText(std::size_t length) {
    static constexpr char16_t kLine[] = u"The quick brown fox jumps over the lazy dog. 0123456789!";
    std::u16string text(length, u' ');
    for (std::size_t i = 0; i < length; ++i) text[i] = kLine[i % (std::size(kLine) - 1)];
    return text;
}

std::u16string Fade(int stops, std::u16string_view text, bool wavy) {
    switch (stops) {
        case 3:
            return hueloom::FadeThree(255, 0, 0, 0, 200, 40, 10, 20, 255, text, wavy);
        case 4:
            return hueloom::FadeFour(255, 0, 0, 0, 200, 40, 10, 20, 255, 128, 128, 0, text, wavy);
        case 5:
            return hueloom::FadeFive(255, 0, 0, 0, 200, 40, 10, 20, 255, 128, 128, 0, 7, 77, 177,
                                     text, wavy);
        default:
            return hueloom::FadeTen(255, 0, 0, 0, 200, 40, 10, 20, 255, 128, 128, 0, 7, 77, 177, 1,
                                    2, 3, 250, 250, 250, 90, 0, 90, 0, 90, 90, 33, 66, 99, text,
                                    wavy);
    }
}

void BM_Fade(benchmark::State& state, int stops, std::size_t characters, bool wavy) {
    const std::u16string text = SampleText(characters);
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::u16string markup = Fade(stops, text, wavy);
        bytes = markup.size() * sizeof(char16_t);
        benchmark::DoNotOptimize(markup.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

// The memory floor: copying as many bytes as the markup has into a buffer
// that already exists.
void BM_Floor(benchmark::State& state, int stops, std::size_t characters, bool wavy) {
    const std::u16string markup = Fade(stops, SampleText(characters), wavy);
    const std::size_t bytes = markup.size() * sizeof(char16_t);
    std::vector<char> target(bytes);
    for (auto _ : state) {
        std::memcpy(target.data(), markup.data(), bytes);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

// Shows every run as usual and keeps each benchmark's best time for the table.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
            const std::string name = run.benchmark_name();
            const double time = run.GetAdjustedCPUTime();
            auto [entry, added] = best_.emplace(name, time);
            if (!added && time < entry->second) entry->second = time;
        }
    }
    double Best(const std::string& name) const {
        const auto entry = best_.find(name);
        return entry == best_.end() ? 0.0 : entry->second;
    }

  private:
    std::map<std::string, double> best_;
};

struct Case {
    int stops;
    std::size_t characters;
    bool wavy;
    std::string Suffix() const {
        std::string suffix = "/";
        suffix += std::to_string(stops);
        suffix += "/";
        suffix += std::to_string(characters);
        suffix += wavy ? "/wavy" : "/plain";
        return suffix;
    }
};

std::vector<Case> Cases() {
    std::vector<Case> cases;
    for (int stops : {3, 4, 5, 10}) {
        for (std::size_t characters : {std::size_t{100}, std::size_t{32767}}) {
            cases.push_back({stops, characters, false});
            // The ten-stop fade writes no wave tags, so its wavy run would repeat the plain one.
            if (stops != 10) cases.push_back({stops, characters, true});
        }
    }
    return cases;
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    const std::vector<Case> cases = Cases();
    for (const Case& c : cases) {
        // Each fade runs next to its floor, so both see the same machine state.
        benchmark::RegisterBenchmark(("Fade" + c.Suffix()).c_str(), BM_Fade, c.stops, c.characters,
                                     c.wavy);
        benchmark::RegisterBenchmark(("Floor" + c.Suffix()).c_str(), BM_Floor, c.stops,
                                     c.characters, c.wavy);
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\n%-6s %-6s %-6s %14s %14s %8s\n", "stops", "chars", "waves", "fade (ns cpu)",
                "floor (ns cpu)", "ratio");
    for (const Case& c : cases) {
        const double fade = reporter.Best("Fade" + c.Suffix());
        const double floor = reporter.Best("Floor" + c.Suffix());
        if (fade == 0.0 || floor == 0.0) continue;  // filtered out
        std::printf("%-6d %-6zu %-6s %14.0f %14.0f %8.2f\n", c.stops, c.characters,
                    c.wavy ? "yes" : "no", fade, floor, fade / floor);
    }
    benchmark::Shutdown();
    return 0;
}
