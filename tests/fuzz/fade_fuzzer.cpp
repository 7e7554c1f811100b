// Fuzzes the fade routines: every character gets exactly one colour tag, the
// text comes back when the tags are stripped, colours follow the segment
// fade over the split, wave tags run 1, 2, 3, 4 where allowed and never in
// FadeTen, and a fade nested in DoEvents leaves the outer one untouched.
//
// Input: routine (mod 6), options, stop bytes, then the text.
//   routine 0..3: FadeThree, FadeFour, FadeFive, FadeTen; 30 stop bytes follow
//   routine 4, 5: FadeThreeValues with numbers, with decimal texts; 3 x 5 bytes
//   options: 1 wavy, 2 fade again inside DoEvents
// Lines at the 16-bit limit are too slow to fuzz; the reliability tests hold them.
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fade/fade.h"
#include "fuzz_input.h"
#include "host/toolkit.h"
#include "support/counting_toolkit.h"

namespace hueloom::fuzz {
namespace {

struct Stop {
    int red, green, blue;
};

// What a fade call must produce: the stops, the length of each part, whether
// wave tags are written and how often the split yields.
struct Plan {
    std::vector<Stop> stops;
    std::vector<std::size_t> parts;
    bool waves = false;
    int yields = 0;
};

constexpr std::u16string_view kColourTagStart = u"<Font Color=#";
constexpr std::u16string_view kWaveTags[] = {u"<sup>", u"</sup>", u"<sub>", u"</sub>"};

Plan HalvesPlan(std::vector<Stop> stops, std::size_t n, bool wavy) {
    const auto half = static_cast<std::size_t>(std::nearbyint(static_cast<double>(n) / 2.0));
    return {std::move(stops), {half, n - half}, wavy, 0};
}

// Segment k (from 0) gets the characters j with j mod segments = k.
Plan RoundRobinPlan(std::vector<Stop> stops, std::size_t m, bool waves) {
    const std::size_t segments = stops.size() - 1;
    std::vector<std::size_t> parts(segments);
    for (std::size_t k = 0; k < segments; ++k)
        parts[k] = k < m ? (m - k + segments - 1) / segments : 0;
    const int yields = m == 0 ? 1 : static_cast<int>((m + segments - 1) / segments);
    return {std::move(stops), std::move(parts), waves, yields};
}

int RampComponent(int from, int to, std::size_t length, std::size_t i) {
    const double step = static_cast<std::int16_t>(to - from) / static_cast<double>(length);
    const double product = step * static_cast<double>(i);
    return static_cast<int>(std::nearbyint(product + from));
}

int HexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    Fail("colour tag digit is not upper-case hexadecimal");
}

int HexPair(std::u16string_view markup, std::size_t at) {
    return HexDigit(markup[at]) * 16 + HexDigit(markup[at + 1]);
}

// Walks the markup strictly: tag, wave tag where due, one character; nothing more.
void CheckMarkup(std::u16string_view markup, std::u16string_view text, const Plan& plan) {
    std::size_t at = 0;
    std::size_t written = 0;
    for (std::size_t k = 0; k < plan.parts.size(); ++k) {
        const Stop from = plan.stops[k], to = plan.stops[k + 1];
        const std::size_t length = plan.parts[k];
        for (std::size_t i = 1; i <= length; ++i) {
            Check(markup.substr(at, kColourTagStart.size()) == kColourTagStart,
                  "character without its colour tag");
            at += kColourTagStart.size();
            Check(at + 7 <= markup.size() && markup[at + 6] == u'>', "colour tag not six digits");
            Check(HexPair(markup, at) == RampComponent(from.red, to.red, length, i), "red differs");
            Check(HexPair(markup, at + 2) == RampComponent(from.green, to.green, length, i),
                  "green differs");
            Check(HexPair(markup, at + 4) == RampComponent(from.blue, to.blue, length, i),
                  "blue differs");
            at += 7;
            if (plan.waves) {
                const std::u16string_view wave = kWaveTags[written % 4];
                Check(markup.substr(at, wave.size()) == wave, "wave tag out of its cycle");
                at += wave.size();
            }
            Check(at < markup.size() && written < text.size() && markup[at] == text[written],
                  "character lost or changed");
            ++at;
            ++written;
        }
    }
    Check(written == text.size(), "not every character written");
    Check(at == markup.size(), "markup has more than the faded characters");
}

void NestedFade(const std::u16string& text) {
    // Stops that differ from anything the outer call uses, so a leak shows.
    const std::vector<Stop> stops = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {9, 9, 9}};
    const std::u16string markup = FadeFour(255, 0, 0, 0, 255, 0, 0, 0, 255, 9, 9, 9, text, true);
    CheckMarkup(markup, text, RoundRobinPlan(stops, text.size(), true));
}

std::vector<Stop> ReadStops(FuzzInput& input, int count) {
    std::vector<Stop> stops;
    for (int k = 0; k < count; ++k) {
        const int red = input.Byte(), green = input.Byte(), blue = input.Byte();
        stops.push_back({red, green, blue});
    }
    return stops;
}

// The stop a packed value gives through its six-or-more-digit hexadecimal
// text: red the last two digits, green the third and fourth, blue the first two.
Stop StopOfPacked(std::uint64_t value) {
    std::u16string hex;
    do {
        hex.insert(hex.begin(), u"0123456789ABCDEF"[value % 16]);
        value /= 16;
    } while (value != 0);
    if (hex.size() < 6) hex.insert(0, 6 - hex.size(), u'0');
    return {HexPair(hex, hex.size() - 2), HexPair(hex, 2), HexPair(hex, 0)};
}

std::u16string Decimal(std::uint64_t value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

using C = hueloom::Component;  // the engine's component type, for the calls below

std::u16string RunFade(int routine, const std::vector<Stop>& s,
                       const std::array<std::uint64_t, 3>& packed, std::u16string_view text,
                       bool wavy) {
    auto r = [&](int k) { return static_cast<C>(s[k].red); };
    auto g = [&](int k) { return static_cast<C>(s[k].green); };
    auto b = [&](int k) { return static_cast<C>(s[k].blue); };
    switch (routine) {
        case 0:
            return FadeThree(r(0), g(0), b(0), r(1), g(1), b(1), r(2), g(2), b(2), text, wavy);
        case 1:
            return FadeFour(r(0), g(0), b(0), r(1), g(1), b(1), r(2), g(2), b(2), r(3), g(3), b(3),
                            text, wavy);
        case 2:
            return FadeFive(r(0), g(0), b(0), r(1), g(1), b(1), r(2), g(2), b(2), r(3), g(3), b(3),
                            r(4), g(4), b(4), text, wavy);
        case 3:
            return FadeTen(r(0), g(0), b(0), r(1), g(1), b(1), r(2), g(2), b(2), r(3), g(3), b(3),
                           r(4), g(4), b(4), r(5), g(5), b(5), r(6), g(6), b(6), r(7), g(7), b(7),
                           r(8), g(8), b(8), r(9), g(9), b(9), text, wavy);
        case 4:
            return FadeThreeValues(static_cast<std::int64_t>(packed[0]),
                                   static_cast<std::int64_t>(packed[1]),
                                   static_cast<std::int64_t>(packed[2]), text, wavy);
        default: {
            const std::u16string markup = FadeThreeValues(Decimal(packed[0]), Decimal(packed[1]),
                                                          Decimal(packed[2]), text, wavy);
            Check(markup == FadeThreeValues(static_cast<std::int64_t>(packed[0]),
                                            static_cast<std::int64_t>(packed[1]),
                                            static_cast<std::int64_t>(packed[2]), text, wavy),
                  "decimal texts and numbers fade differently");
            return markup;
        }
    }
}

Plan PlanFor(int routine, std::vector<Stop> stops, std::size_t n, bool wavy) {
    switch (routine) {
        case 1:
        case 2:
            return RoundRobinPlan(std::move(stops), n, wavy);
        case 3:
            return RoundRobinPlan(std::move(stops), n, false);  // FadeTen never waves
        default:
            return HalvesPlan(std::move(stops), n, wavy);
    }
}

constexpr int kStopsOf[] = {3, 4, 5, 10};

}  // namespace
}  // namespace hueloom::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace hueloom;
    using namespace hueloom::fuzz;
    FuzzInput input(data, size);
    const int routine = input.Byte() % 6;
    const std::uint8_t options = input.Byte();
    const bool wavy = (options & 1) != 0;

    std::vector<Stop> stops;
    std::array<std::uint64_t, 3> packed{};
    if (routine < 4) {
        stops = ReadStops(input, kStopsOf[routine]);
    } else {
        for (std::uint64_t& value : packed) {
            value = input.Bytes(5);
            stops.push_back(StopOfPacked(value));
        }
    }
    const std::u16string text = input.Text(4096);
    // Counts the yields of the outermost fade; may run one fade inside them.
    const bool nest = (options & 2) != 0;
    const std::u16string nestedText = std::u16string(text.rbegin(), text.rend()).substr(0, 64);
    CountingToolkit toolkit;
    int depth = 0, outerYields = 0;
    toolkit.pendingEvent = [&] {
        if (depth == 0) ++outerYields;
        if (!nest || depth > 0) return;
        ++depth;
        NestedFade(nestedText);
        --depth;
    };
    const ScopedToolkit installed(toolkit);

    const Plan plan = PlanFor(routine, stops, text.size(), wavy);
    const std::u16string markup = RunFade(routine, stops, packed, text, wavy);
    CheckMarkup(markup, text, plan);
    Check(outerYields == plan.yields, "wrong number of yields");
    return 0;
}
