// Fuzzes the colour-stop parser of the command line against a plain reading of
// its rules; a refusal must say what was wrong in printable ASCII. Colour
// names are looked up in the parser's own table: the unit test holds it to CSS.
//
// Input: the --stops text, as it is.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "cli/colour_names.h"
#include "cli/colour_stops.h"
#include "fuzz_input.h"

namespace hueloom::fuzz {
namespace {

std::vector<std::string> Split(const std::string& text) {
    std::vector<std::string> items(1);
    for (char c : text) {
        if (c == ',') items.emplace_back();
        if (c != ',') items.back() += c;
    }
    return items;
}

std::string Trim(const std::string& item) {
    const std::size_t first = item.find_first_not_of(" \t");
    return first == std::string::npos
               ? ""
               : item.substr(first, item.find_last_not_of(" \t") - first + 1);
}

// 2 to 16 comma-separated items; each, less blanks around it, a colour name
// or, less one "#", exactly six hexadecimal digits.
std::optional<std::vector<ColorStop>> ReferenceStops(const std::string& text) {
    const std::vector<std::string> items = Split(text);
    if (items.size() < 2 || items.size() > 16) return std::nullopt;
    std::vector<ColorStop> stops;
    for (std::string item : items) {
        item = Trim(item);
        if (const std::optional<ColorStop> named = cli::NamedColour(item)) {
            Check(item.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ") ==
                      std::string::npos,
                  "a colour name with more than letters");
            stops.push_back(*named);
            continue;
        }
        if (!item.empty() && item[0] == '#') item.erase(0, 1);
        if (item.size() != 6) return std::nullopt;
        for (char c : item) {
            if (std::string("0123456789abcdefABCDEF").find(c) == std::string::npos) {
                return std::nullopt;
            }
        }
        const long value = std::strtol(item.c_str(), nullptr, 16);
        stops.push_back({static_cast<Component>(value >> 16),
                         static_cast<Component>(value >> 8 & 0xFF),
                         static_cast<Component>(value & 0xFF)});
    }
    return stops;
}

}  // namespace
}  // namespace hueloom::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace hueloom;
    using namespace hueloom::fuzz;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const cli::ParsedStops parsed = cli::ParseStops(text);
    const std::optional<std::vector<ColorStop>> reference = ReferenceStops(text);

    Check(parsed.error.empty() == reference.has_value(),
          "accepted or refused unlike the reference");
    if (reference) {
        Check(parsed.stops.size() == reference->size(), "count of stops differs");
        for (std::size_t k = 0; k < parsed.stops.size(); ++k) {
            const ColorStop a = parsed.stops[k], b = (*reference)[k];
            Check(a.red == b.red && a.green == b.green && a.blue == b.blue, "a stop differs");
        }
    } else {
        Check(parsed.stops.empty(), "a refusal with stops");
        Check(parsed.error.size() < 160, "a refusal too long to read");
        for (char c : parsed.error) Check(c >= 0x20 && c < 0x7F, "a refusal not printable ASCII");
    }
    return 0;
}
