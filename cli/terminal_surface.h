// A drawing surface that draws the markup renderer's output as terminal text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "host/drawing_surface.h"

namespace hueloom::cli {

// Appends UTF-8 text and escape sequences to a string: each character in its
// colour as a 24-bit escape; bold, italic, underline and strike-through as
// the terminal's attributes; a move of the pen to a lower line (the renderer's
// line break) as a new line. Escapes are written only where the style changes.
// Control characters become their visible pictures (U+2400...), so no input
// can send the terminal a command.
class TerminalSurface : public DrawingSurface {
  public:
    explicit TerminalSurface(std::string& out) : out_(out) {}
    ~TerminalSurface() override { Spill(); }
    TerminalSurface(const TerminalSurface&) = delete;
    TerminalSurface& operator=(const TerminalSurface&) = delete;

    // Ends the drawn line: attributes reset where any were set, then a new
    // line. What is drawn reaches out here, or when the surface goes.
    void EndLine();

    std::int16_t ScaleMode() override { return scaleMode_; }
    void SetScaleMode(std::int16_t mode) override { scaleMode_ = mode; }
    void SetFontName(std::u16string_view) override {}
    void SetFontSize(float) override {}
    void SetFontBold(bool on) override { wanted_.bold = on; }
    void SetFontItalic(bool on) override { wanted_.italic = on; }
    void SetFontUnderline(bool on) override { wanted_.underline = on; }
    void SetFontStrikethru(bool on) override { wanted_.strikethru = on; }
    void SetAutoRedraw(bool) override {}
    void SetForeColor(std::int32_t colour) override { wanted_.colour = colour & 0xFFFFFF; }
    void Cls() override;
    void SetCurrentX(float) override {}
    void SetCurrentY(float y) override { currentY_ = y; }
    void Print(std::u16string_view text) override;
    // One cell per code unit: the renderer only adds the widths up.
    float TextWidth(std::u16string_view text) override { return static_cast<float>(text.size()); }

  private:
    struct Style {
        std::int32_t colour = kTerminalColour;
        bool bold = false, italic = false, underline = false, strikethru = false;
        bool operator==(const Style&) const = default;
    };
    static constexpr std::int32_t kTerminalColour = -1;  // whatever the terminal's own is

    // The longest a character can take: every attribute, a colour, four bytes.
    static constexpr std::size_t kMostPerCharacter = 48;

    void MoveToPenLine();
    char* WriteWantedStyle(char* at);
    void WriteCharacter(char32_t character);
    void FlushLoneHighSurrogate();
    // Room for one character's escapes and bytes in the buffer below.
    char* Room() {
        if (used_ > sizeof buffer_ - kMostPerCharacter) Spill();
        return buffer_ + used_;
    }
    void Spill();

    std::string& out_;
    char buffer_[4096];  // gathered here, so a character costs no string growth
    std::size_t used_ = 0;
    Style wanted_, shown_;
    std::int16_t scaleMode_ = kScaleModePixels;
    float currentY_ = 0;
    float seenY_ = 0;  // the pen's top when its line was last worked out
    std::int64_t line_ = 0;
    char16_t pendingHigh_ = 0;  // a high surrogate waiting for its low half
};

}  // namespace hueloom::cli
