// A drawing surface that writes down every operation and every glyph: the
// in-process picture box's surface, and the renderer tests' record.
#pragma once

#include <charconv>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "host/drawing_surface.h"

namespace hueloom {

// ASCII as it stands, anything else as \uXXXX, so failures print readably.
inline std::string Narrow(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) {
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            static constexpr char kHex[] = "0123456789ABCDEF";
            out += "\\u";
            for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(c >> shift) & 0xF];
        }
    }
    return out;
}

// The shortest text that reads back as the same float.
inline std::string FloatText(float value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// One unit drawn: where the pen stood, its colour and whether it was bold.
struct Glyph {
    float x;
    float y;
    char16_t unit;
    std::int32_t colour;
    bool bold;
    bool operator==(const Glyph&) const = default;
};

// Writes down every operation in order ("ScaleMode?", "ForeColor=255",
// "Print a", "TextWidth a"...) and, apart, every glyph a one-unit Print drew.
// For megabytes of markup the operations may go unwritten (keepOps).
class RecordingSurface : public DrawingSurface {
  public:
    std::vector<std::string> ops;
    bool keepOps = true;
    std::vector<Glyph> glyphs;  // cleared by Cls
    std::vector<std::u16string> printedNotOneUnit;
    int clears = 0;
    std::u16string fontName;
    std::int16_t scaleMode = kScaleModeTwips;
    // TextWidth of one character: widthOf where set, else widths, else defaultWidth.
    std::function<float(char16_t)> widthOf;
    std::map<char16_t, float> widths;
    float defaultWidth = 6.5f;

    std::int16_t ScaleMode() override {
        Op("ScaleMode?");
        return scaleMode;
    }
    void SetScaleMode(std::int16_t mode) override {
        scaleMode = mode;
        Op("ScaleMode=" + std::to_string(mode));
    }
    void SetFontName(std::u16string_view name) override {
        fontName = name;
        Op("FontName=" + Narrow(name));
    }
    void SetFontSize(float points) override { Op("FontSize=" + FloatText(points)); }
    void SetFontBold(bool on) override {
        bold_ = on;
        Op(Flag("FontBold", on));
    }
    void SetFontItalic(bool on) override { Op(Flag("FontItalic", on)); }
    void SetFontUnderline(bool on) override { Op(Flag("FontUnderline", on)); }
    void SetFontStrikethru(bool on) override { Op(Flag("FontStrikethru", on)); }
    void SetAutoRedraw(bool on) override { Op(Flag("AutoRedraw", on)); }
    void SetForeColor(std::int32_t colour) override {
        colour_ = colour;
        Op("ForeColor=" + std::to_string(colour));
    }
    void Cls() override {
        ++clears;
        glyphs.clear();
        Op("Cls");
    }
    // The four operations of every glyph write nothing at all when not kept.
    void SetCurrentX(float x) override {
        x_ = x;
        if (keepOps) Op("CurrentX=" + FloatText(x));
    }
    void SetCurrentY(float y) override {
        y_ = y;
        if (keepOps) Op("CurrentY=" + FloatText(y));
    }
    void Print(std::u16string_view text) override {
        if (text.size() == 1) {
            glyphs.push_back({x_, y_, text[0], colour_, bold_});
        } else {
            printedNotOneUnit.emplace_back(text);
        }
        if (keepOps) Op("Print " + Narrow(text));
    }
    float TextWidth(std::u16string_view text) override {
        if (keepOps) Op("TextWidth " + Narrow(text));
        float width = 0;
        for (char16_t c : text) width += WidthOf(c);
        return width;
    }

    // The units drawn, in order.
    std::u16string Units() const {
        std::u16string units;
        for (const Glyph& glyph : glyphs) units.push_back(glyph.unit);
        return units;
    }

  private:
    static std::string Flag(std::string_view name, bool on) {
        return std::string(name) + (on ? "=True" : "=False");
    }
    void Op(std::string op) {
        if (keepOps) ops.push_back(std::move(op));
    }
    float WidthOf(char16_t c) const {
        if (widthOf) return widthOf(c);
        const auto found = widths.find(c);
        return found == widths.end() ? defaultWidth : found->second;
    }

    float x_ = 0, y_ = 0;
    std::int32_t colour_ = 0;
    bool bold_ = false;
};

}  // namespace hueloom
