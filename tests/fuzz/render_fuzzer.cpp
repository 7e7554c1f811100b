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
#include "host/drawing_surface.h"
#include "host/toolkit.h"
#include "preview/hex.h"
#include "preview/lower_case.h"
#include "preview/render.h"

namespace hueloom::fuzz {
namespace {

// One operation on the surface: what it was, its number, its text.
struct Op {
    char what;  // S scale mode read, s scale mode, N name, z size, B I U K style flags,
                // A auto redraw, F fore colour, C cls, X, Y, P print, W width
    double number = 0;
    std::u16string text = {};
    bool operator==(const Op&) const = default;
};
using Ops = std::vector<Op>;

// A width for every code unit, fractional, so the float sums are exercised.
float Width(char16_t c) { return 1.0f + static_cast<float>(c % 13) * 0.375f; }

class RecordingSurface : public DrawingSurface {
  public:
    explicit RecordingSurface(std::int16_t scaleMode) : scaleMode(scaleMode) {}
    Ops ops;
    std::int16_t scaleMode;

    std::int16_t ScaleMode() override {
        ops.push_back({'S'});
        return scaleMode;
    }
    void SetScaleMode(std::int16_t mode) override {
        scaleMode = mode;
        ops.push_back({'s', double(mode)});
    }
    void SetFontName(std::u16string_view name) override {
        ops.push_back({'N', 0, std::u16string(name)});
    }
    void SetFontSize(float points) override { ops.push_back({'z', points}); }
    void SetFontBold(bool on) override { ops.push_back({'B', double(on)}); }
    void SetFontItalic(bool on) override { ops.push_back({'I', double(on)}); }
    void SetFontUnderline(bool on) override { ops.push_back({'U', double(on)}); }
    void SetFontStrikethru(bool on) override { ops.push_back({'K', double(on)}); }
    void SetAutoRedraw(bool on) override { ops.push_back({'A', double(on)}); }
    void SetForeColor(std::int32_t colour) override { ops.push_back({'F', double(colour)}); }
    void Cls() override { ops.push_back({'C'}); }
    void SetCurrentX(float x) override { ops.push_back({'X', x}); }
    void SetCurrentY(float y) override { ops.push_back({'Y', y}); }
    void Print(std::u16string_view text) override { ops.push_back({'P', 0, std::u16string(text)}); }
    float TextWidth(std::u16string_view text) override {
        ops.push_back({'W', 0, std::u16string(text)});
        float width = 0;
        for (char16_t c : text) width += Width(c);
        return width;
    }
};

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
    ops.push_back({'F', double(Field(red) + 256 * Field(green) + 65536 * Field(blue))});
}

void FaceRule(std::u16string_view tag, Ops& ops) {
    const std::size_t quote = tag.find(u'"');
    ops.push_back(
        {'N', 0, std::u16string(quote == std::u16string_view::npos ? tag : tag.substr(quote + 1))});
}

void TagStep(std::u16string_view tag, Ops& ops, int& shift) {
    struct Row {
        std::u16string_view text;
        char flag;  // 0: a wave tag, which moves the shift instead
        bool on;
        int shift;
    };
    static constexpr Row kRows[] = {
        {u"u", 'U', true, 0},   {u"/u", 'U', false, 0}, {u"s", 'K', true, 0},
        {u"/s", 'K', false, 0}, {u"b", 'B', true, 0},   {u"/b", 'B', false, 0},
        {u"i", 'I', true, 0},   {u"/i", 'I', false, 0}, {u"sup", 0, false, -1},
        {u"/sup", 0, false, 0}, {u"sub", 0, false, 1},  {u"/sub", 0, false, 0}};
    for (const Row& row : kRows) {
        if (tag != row.text) continue;
        if (row.flag != 0) {
            ops.push_back({row.flag, double(row.on)});
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
    Ops ops = {{'S'},    {'s', 3}, {'N', 0, u"Arial"}, {'z', 10}, {'B', 0}, {'I', 0},
               {'U', 0}, {'K', 0}, {'A', 1},           {'F', 0},  {'C'}};
    float pen_x = 0;
    int line_top = 0, shift = 0;
    std::size_t i = 0;
    auto draw = [&](char16_t c) {
        ops.push_back({'Y', static_cast<float>(line_top + shift)});
        ops.push_back({'X', pen_x + 2});
        ops.push_back({'P', 0, std::u16string(1, c)});
        ops.push_back({'W', 0, std::u16string(1, c)});
        pen_x += Width(c);
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
            line_top += 16;
            pen_x = 0;
            i += 7;
        } else {
            draw(c);
            ++i;
        }
    }
    ops.push_back({'s', double(scaleMode)});
    return ops;
}

std::size_t CarriageReturns(std::u16string_view text) {
    std::size_t count = 0;
    for (char16_t c : text) count += c == u'\r';
    return count;
}

// Counts yields; may draw something else in the middle of a drawing.
struct FuzzToolkit : Toolkit {
    std::size_t yields = 0;
    bool nest = false;
    int depth = 0;
    std::u16string nested_markup;

    void DoEvents() override {
        ++yields;
        if (!nest || depth > 0) return;
        ++depth;
        RecordingSurface other(kScaleModePixels);
        RenderMarkup(other, nested_markup);
        Check(other.ops == ReferenceOps(nested_markup, kScaleModePixels),
              "nested drawing differs from the reference");
        --depth;
    }
};

}  // namespace
}  // namespace hueloom::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace hueloom;
    using namespace hueloom::fuzz;
    FuzzInput input(data, size);
    const std::uint8_t options = input.Byte();
    const auto scaleMode = static_cast<std::int16_t>(static_cast<std::int8_t>(input.Byte()));
    const std::u16string markup = input.Text();

    FuzzToolkit toolkit;
    toolkit.nest = (options & 1) != 0;
    toolkit.nested_markup = u"<b>n<font color=#00ff00>\r" + markup.substr(0, 32);
    const ScopedToolkit installed(toolkit);

    RecordingSurface surface(scaleMode);
    RenderMarkup(surface, markup);
    Check(surface.scaleMode == scaleMode, "scale mode not given back");
    const std::size_t returns = CarriageReturns(markup);
    const std::size_t nested = toolkit.nest ? CarriageReturns(toolkit.nested_markup) : 0;
    Check(toolkit.yields == returns + returns * nested, "not one yield per carriage return");
    Check(surface.ops == ReferenceOps(markup, scaleMode), "drawing differs from the reference");
    return 0;
}
