// A drawing surface that keeps only what was drawn, cheap enough for megabytes of markup.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/drawing_surface.h"

namespace hueloom {

struct Glyph {
    float x;
    float y;
    char16_t unit;
    std::int32_t colour;
    bool bold;
    bool operator==(const Glyph&) const = default;
};

class DrawnSurface : public DrawingSurface {
  public:
    std::vector<Glyph> glyphs;
    std::int16_t scaleMode = kScaleModeTwips;
    int clears = 0;
    std::u16string fontName;
    std::vector<std::u16string> printedNotOneUnit;

    std::int16_t ScaleMode() override { return scaleMode; }
    void SetScaleMode(std::int16_t mode) override { scaleMode = mode; }
    void SetFontName(std::u16string_view name) override { fontName = name; }
    void SetFontSize(float) override {}
    void SetFontBold(bool on) override { bold_ = on; }
    void SetFontItalic(bool) override {}
    void SetFontUnderline(bool) override {}
    void SetFontStrikethru(bool) override {}
    void SetAutoRedraw(bool) override {}
    void SetForeColor(std::int32_t colour) override { colour_ = colour; }
    void Cls() override {
        ++clears;
        glyphs.clear();
    }
    void SetCurrentX(float x) override { x_ = x; }
    void SetCurrentY(float y) override { y_ = y; }
    void Print(std::u16string_view text) override {
        if (text.size() != 1) {
            printedNotOneUnit.emplace_back(text);
            return;
        }
        glyphs.push_back({x_, y_, text[0], colour_, bold_});
    }
    // Every unit is 5 pixels wide, so positions are easy to predict.
    float TextWidth(std::u16string_view text) override {
        return 5.0f * static_cast<float>(text.size());
    }

    std::u16string Units() const {
        std::u16string units;
        for (const Glyph& g : glyphs) units.push_back(g.unit);
        return units;
    }

  private:
    float x_ = 0, y_ = 0;
    std::int32_t colour_ = -1;
    bool bold_ = false;
};

}  // namespace hueloom
