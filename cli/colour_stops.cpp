// Reading the colour stops of the command line: "#RRGGBB,RRGGBB,gold,...".
#include "cli/colour_stops.h"

#include <algorithm>
#include <cstddef>

#include "cli/colour_names.h"
#include "fade/fade_over_stops.h"

namespace hueloom::cli {
namespace {

constexpr std::size_t kShownLength = 24;  // of a bad colour echoed in a message

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The colour of "#RRGGBB" or "RRGGBB"; false for anything else.
bool ParseHexColour(std::string_view item, ColorStop& stop) {
    if (!item.empty() && item.front() == '#') item.remove_prefix(1);
    if (item.size() != 6) return false;
    Component components[3];
    for (std::size_t k = 0; k < 3; ++k) {
        const int high = HexDigit(item[2 * k]), low = HexDigit(item[2 * k + 1]);
        if (high < 0 || low < 0) return false;
        components[k] = static_cast<Component>(high * 16 + low);
    }
    stop = {components[0], components[1], components[2]};
    return true;
}

// A colour as typed, for a message: printable ASCII as it is, other bytes as
// \xHH, cut short when long, so no message carries control characters.
std::string Shown(std::string_view item) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string shown;
    for (char c : item.substr(0, kShownLength)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F) {
            shown += c;
        } else {
            shown += "\\x";
            shown += kHex[byte >> 4];
            shown += kHex[byte & 0xF];
        }
    }
    if (item.size() > kShownLength) shown += "...";
    return shown;
}

bool ParseColour(std::string_view item, ColorStop& stop) {
    if (ParseHexColour(item, stop)) return true;
    const std::optional<ColorStop> named = NamedColour(item);
    if (named) stop = *named;
    return named.has_value();
}

ParsedStops Failure(std::string error) { return {{}, std::move(error)}; }

}  // namespace

ParsedStops ParseStops(std::string_view text) {
    if (Trimmed(text).empty()) return Failure("no colour stops given");
    const auto count = static_cast<std::size_t>(std::count(text.begin(), text.end(), ',')) + 1;
    if (count < kMinFadeStops || count > kMaxFadeStops) {
        return Failure(std::to_string(count) + (count == 1 ? " colour stop" : " colour stops") +
                       " given; a fade needs 2 to 16");
    }
    ParsedStops parsed;
    for (std::size_t number = 1; number <= count; ++number) {
        const std::size_t comma = text.find(',');
        const std::string_view item = Trimmed(text.substr(0, comma));
        text.remove_prefix(comma == std::string_view::npos ? text.size() : comma + 1);
        ColorStop stop;
        if (item.empty()) return Failure("colour stop " + std::to_string(number) + " is empty");
        if (!ParseColour(item, stop)) {
            return Failure("colour stop " + std::to_string(number) + ", \"" + Shown(item) +
                           "\", is not a colour name, #RRGGBB or RRGGBB");
        }
        parsed.stops.push_back(stop);
    }
    return parsed;
}

std::vector<ColorStop> DefaultStops() { return {{0, 0, 0}, {255, 0, 0}, {100, 0, 0}}; }

}  // namespace hueloom::cli
