// A drawing surface that writes down every operation: the in-process
// picture box's surface, and the renderer tests' record.
#pragma once

#include <charconv>
#include <cstdint>
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

class RecordingSurface : public DrawingSurface {
  public:
    std::vector<std::string> ops;
    std::int16_t scaleMode = kScaleModeTwips;
    std::map<char16_t, float> widths;  // TextWidth of one character
    float defaultWidth = 6.5f;

    std::int16_t ScaleMode() override {
        ops.push_back("ScaleMode?");
        return scaleMode;
    }
    void SetScaleMode(std::int16_t mode) override {
        scaleMode = mode;
        ops.push_back("ScaleMode=" + std::to_string(mode));
    }
    void SetFontName(std::u16string_view name) override {
        ops.push_back("FontName=" + Narrow(name));
    }
    void SetFontSize(float points) override { ops.push_back("FontSize=" + FloatText(points)); }
    void SetFontBold(bool on) override { ops.push_back(Flag("FontBold", on)); }
    void SetFontItalic(bool on) override { ops.push_back(Flag("FontItalic", on)); }
    void SetFontUnderline(bool on) override { ops.push_back(Flag("FontUnderline", on)); }
    void SetFontStrikethru(bool on) override { ops.push_back(Flag("FontStrikethru", on)); }
    void SetAutoRedraw(bool on) override { ops.push_back(Flag("AutoRedraw", on)); }
    void SetForeColor(std::int32_t colour) override {
        ops.push_back("ForeColor=" + std::to_string(colour));
    }
    void Cls() override { ops.push_back("Cls"); }
    void SetCurrentX(float x) override { ops.push_back("CurrentX=" + FloatText(x)); }
    void SetCurrentY(float y) override { ops.push_back("CurrentY=" + FloatText(y)); }
    void Print(std::u16string_view text) override { ops.push_back("Print " + Narrow(text)); }
    float TextWidth(std::u16string_view text) override {
        ops.push_back("TextWidth " + Narrow(text));
        float width = 0;
        for (char16_t c : text) {
            const auto found = widths.find(c);
            width += found == widths.end() ? defaultWidth : found->second;
        }
        return width;
    }

  private:
    static std::string Flag(std::string_view name, bool on) {
        return std::string(name) + (on ? "=True" : "=False");
    }
};

}  // namespace hueloom
