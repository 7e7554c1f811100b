// Fuzzes RenderMarkup on a recording surface against a plain reading of the
// renderer's rules: the same operations in the same order, the scale mode
// given back, one yield per carriage return, no hang.
//
// Input: options, the scale mode found on the surface, then the markup.
//   options: 1 render another markup on another surface inside each yield
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_input.h"
#include "host/toolkit.h"
#include "preview/hex.h"
#include "preview/lower_case.h"
#include "preview/render.h"
#include "support/counting_toolkit.h"
#include "support/recording_surface.h"

namespace hueloom::fuzz {
namespace {

// The operations as the recording surface writes them down.
using Ops = std::vector<std::string>;

// A width for every code unit, fractional, so the float sums are exercised.
float Width(char16_t c) { return 1.0f + static_cast<float>(c % 13) * 0.375f; }

std::string Flag(std::string_view name, bool on) {
    return std::string(name) + (on ? "=True" : "=False");
}

// --- The renderer's rules, read plainly ---

std::int32_t Field(std::u16string_view field) {
    return static_cast<std::int32_t>(std::nearbyint(HexToValue(field)));
}

void ColourRule(std::u16string_view tag, Ops& ops) {
    const std::size_t hash = tag.find(u'#');
    const std::u16string_view code =
        tag.substr(hash == std::u16string_view::npos ? 0 : hash + 1, 6);
    const std::u16string_view red = code.substr(0, 2);
    const std::u16string_view green = code.size() >= 3 ? code.substr(2, 2) : std::u16string_view();
    const std::u16string_view blue = code.size() >= 2 ? code.substr(code.size() - 2) : code;
    ops.push_back("ForeColor=" +
                  std::to_string(Field(red) + 256 * Field(green) + 65536 * Field(blue)));
}

void FaceRule(std::u16string_view tag, Ops& ops) {
    const std::size_t quote = tag.find(u'"');
    ops.push_back("FontName=" +
                  Narrow(quote == std::u16string_view::npos ? tag : tag.substr(quote + 1)));
}

void TagStep(std::u16string_view tag, Ops& ops, int& shift) {
    struct Row {
        std::u16string_view text;
        std::string_view flag;  // empty: a wave tag, which moves the shift instead
        bool on;
        int shift;
    };
    static constexpr Row kRows[] = {{u"u", "FontUnderline", true, 0},
                                    {u"/u", "FontUnderline", false, 0},
                                    {u"s", "FontStrikethru", true, 0},
                                    {u"/s", "FontStrikethru", false, 0},
                                    {u"b", "FontBold", true, 0},
                                    {u"/b", "FontBold", false, 0},
                                    {u"i", "FontItalic", true, 0},
                                    {u"/i", "FontItalic", false, 0},
                                    {u"sup", {}, false, -1},
                                    {u"/sup", {}, false, 0},
                                    {u"sub", {}, false, 1},
                                    {u"/sub", {}, false, 0}};
    for (const Row& row : kRows) {
        if (tag != row.text) continue;
        if (!row.flag.empty()) {
            ops.push_back(Flag(row.flag, row.on));
        } else {
            shift = row.shift;
        }
        return;
    }
    if (tag.substr(0, 10) == u"font color") ColourRule(tag, ops);
    if (tag.substr(0, 9) == u"font face") FaceRule(tag, ops);
}

Ops ReferenceOps(std::u16string_view markup, std::int16_t scaleMode) {
    std::u16string text;
    for (char16_t c : markup) {
        if (c == u'\r') {
            text += u"+chr13+";
        } else {
            text += c;
        }
    }
    Ops ops = {"ScaleMode?",
               "ScaleMode=3",
               "FontName=Arial",
               "FontSize=10",
               "FontBold=False",
               "FontItalic=False",
               "FontUnderline=False",
               "FontStrikethru=False",
               "AutoRedraw=True",
               "ForeColor=0",
               "Cls"};
    float penX = 0;
    int lineTop = 0, shift = 0;
    std::size_t i = 0;
    auto draw = [&](char16_t c) {
        const std::u16string unit(1, c);
        ops.push_back("CurrentY=" + FloatText(static_cast<float>(lineTop + shift)));
        ops.push_back("CurrentX=" + FloatText(penX + 2));
        ops.push_back("Print " + Narrow(unit));
        ops.push_back("TextWidth " + Narrow(unit));
        penX += Width(c);
    };
    while (i < text.size()) {
        const char16_t c = text[i];
        if (c == u'<') {
            const std::size_t close = text.find(u'>', i + 1);
            if (close == std::u16string::npos) {
                // No ">" anywhere after: no tag; the "<" is an ordinary character.
                draw(c);
                ++i;
                continue;
            }
            std::u16string tag(text.substr(i + 1, close - i - 1));
            for (char16_t& t : tag) t = detail::LowerCase(t);
            TagStep(tag, ops, shift);
            i = close + 1;
        } else if (c == u'+' && std::u16string_view(text).substr(i, 7) == u"+chr13+") {
            lineTop += 16;
            penX = 0;
            i += 7;
        } else {
            draw(c);
            ++i;
        }
    }
    ops.push_back("ScaleMode=" + std::to_string(scaleMode));
    return ops;
}

std::size_t CarriageReturns(std::u16string_view text) {
    std::size_t count = 0;
    for (char16_t c : text) count += c == u'\r';
    return count;
}

// A surface with the fuzzer's widths, starting in the given scale mode.
RecordingSurface SurfaceIn(std::int16_t scaleMode) {
    RecordingSurface surface;
    surface.scaleMode = scaleMode;
    surface.widthOf = &Width;
    return surface;
}

}  // namespace
}  // namespace hueloom::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace hueloom;
    using namespace hueloom::fuzz;
    FuzzInput input(data, size);
    const std::uint8_t options = input.Byte();
    const auto scaleMode = static_cast<std::int16_t>(static_cast<std::int8_t>(input.Byte()));
    const std::u16string markup = input.Text();

    // Counts yields; may draw something else in the middle of a drawing.
    const bool nest = (options & 1) != 0;
    const std::u16string nestedMarkup = u"<b>n<font color=#00ff00>\r" + markup.substr(0, 32);
    CountingToolkit toolkit;
    int depth = 0;
    toolkit.pendingEvent = [&] {
        if (!nest || depth > 0) return;
        ++depth;
        RecordingSurface other = SurfaceIn(kScaleModePixels);
        RenderMarkup(other, nestedMarkup);
        Check(other.ops == ReferenceOps(nestedMarkup, kScaleModePixels),
              "nested drawing differs from the reference");
        --depth;
    };
    const ScopedToolkit installed(toolkit);

    RecordingSurface surface = SurfaceIn(scaleMode);
    RenderMarkup(surface, markup);
    Check(surface.scaleMode == scaleMode, "scale mode not given back");
    const std::size_t returns = CarriageReturns(markup);
    const std::size_t nested = nest ? CarriageReturns(nestedMarkup) : 0;
    Check(static_cast<std::size_t>(toolkit.calls) == returns + returns * nested,
          "not one yield per carriage return");
    Check(surface.ops == ReferenceOps(markup, scaleMode), "drawing differs from the reference");
    return 0;
}
