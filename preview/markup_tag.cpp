// The tags the markup renderer understands, and what each one does.
#include "preview/markup_tag.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "host/packed_colour.h"
#include "preview/find_unit.h"
#include "preview/hex.h"

namespace hueloom::detail {
namespace {

using TagAction = void (*)(DrawingSurface& surface, int& vertical_shift);

constexpr std::pair<std::u16string_view, TagAction> kStyleTags[] = {
    {u"u", [](DrawingSurface& s, int&) { s.SetFontUnderline(true); }},
    {u"/u", [](DrawingSurface& s, int&) { s.SetFontUnderline(false); }},
    {u"s", [](DrawingSurface& s, int&) { s.SetFontStrikethru(true); }},
    {u"/s", [](DrawingSurface& s, int&) { s.SetFontStrikethru(false); }},
    {u"b", [](DrawingSurface& s, int&) { s.SetFontBold(true); }},
    {u"/b", [](DrawingSurface& s, int&) { s.SetFontBold(false); }},
    {u"i", [](DrawingSurface& s, int&) { s.SetFontItalic(true); }},
    {u"/i", [](DrawingSurface& s, int&) { s.SetFontItalic(false); }},
    {u"sup", [](DrawingSurface&, int& shift) { shift = -1; }},
    {u"/sup", [](DrawingSurface&, int& shift) { shift = 0; }},
    {u"sub", [](DrawingSurface&, int& shift) { shift = 1; }},
    {u"/sub", [](DrawingSurface&, int& shift) { shift = 0; }},
};

constexpr std::size_t kLongestStyleTag = [] {
    std::size_t longest = 0;
    for (const auto& tag : kStyleTags) longest = std::max(longest, tag.first.size());
    return longest;
}();

constexpr std::u16string_view kColourPrefix = u"font color";
constexpr std::u16string_view kFacePrefix = u"font face";

// One colour field. TagColour takes at most two digits, a whole number up to
// 255 that single precision holds exactly, so it converts as it is: rounding
// would change nothing and costs a library call for every character.
std::int32_t Component(std::u16string_view field) {
    return static_cast<std::int32_t>(HexToValue(field));
}

// Equal units are equal bytes: one memcmp, not a comparison of each unit in order.
bool StartsWith(std::u16string_view text, std::u16string_view prefix) {
    return text.size() >= prefix.size() &&
           std::memcmp(text.data(), prefix.data(), prefix.size() * sizeof(char16_t)) == 0;
}

}  // namespace

std::int32_t TagColour(std::u16string_view tag_text) {
    const std::size_t hash = FindUnit(tag_text, u'#');
    const std::size_t start = hash == std::u16string_view::npos ? 0 : hash + 1;
    const std::u16string_view code = tag_text.substr(start, 6);
    // Codes shorter than six characters give overlapping or empty fields.
    const std::u16string_view red = code.substr(0, 2);
    const std::u16string_view green = code.size() > 2 ? code.substr(2, 2) : std::u16string_view();
    const std::u16string_view blue = code.size() > 2 ? code.substr(code.size() - 2) : code;
    return PackedColour(Component(red), Component(green), Component(blue));
}

std::u16string_view TagFace(std::u16string_view tag_text) {
    const std::size_t quote = tag_text.find(u'"');
    return quote == std::u16string_view::npos ? tag_text : tag_text.substr(quote + 1);
}

void ApplyTag(DrawingSurface& surface, std::u16string_view tag_text, int& vertical_shift) {
    // The colour tag before every character is longer than any style tag.
    if (tag_text.size() <= kLongestStyleTag) {
        for (const auto& [name, action] : kStyleTags) {
            if (tag_text == name) {
                action(surface, vertical_shift);
                return;
            }
        }
    }
    if (StartsWith(tag_text, kColourPrefix)) {
        surface.SetForeColor(TagColour(tag_text));
    } else if (StartsWith(tag_text, kFacePrefix)) {
        surface.SetFontName(TagFace(tag_text));
    }
}

}  // namespace hueloom::detail
