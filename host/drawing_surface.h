// A surface the markup renderer draws on, with the picture box's own names.
#pragma once

#include <cstdint>
#include <string_view>

namespace hueloom {

inline constexpr std::int16_t kScaleModeTwips = 1;
inline constexpr std::int16_t kScaleModePixels = 3;

class DrawingSurface {
  public:
    virtual ~DrawingSurface() = default;

    virtual std::int16_t ScaleMode() = 0;
    virtual void SetScaleMode(std::int16_t mode) = 0;
    virtual void SetFontName(std::u16string_view name) = 0;
    virtual void SetFontSize(float points) = 0;
    virtual void SetFontBold(bool on) = 0;
    virtual void SetFontItalic(bool on) = 0;
    virtual void SetFontUnderline(bool on) = 0;
    virtual void SetFontStrikethru(bool on) = 0;
    virtual void SetAutoRedraw(bool on) = 0;
    // Packed colour value: red + 256 * green + 65536 * blue.
    virtual void SetForeColor(std::int32_t colour) = 0;
    // Fills with the background colour; CurrentX and CurrentY go to 0.
    virtual void Cls() = 0;
    virtual void SetCurrentX(float x) = 0;
    virtual void SetCurrentY(float y) = 0;
    // Draws with the text's top-left at (CurrentX, CurrentY), leaving the background alone.
    virtual void Print(std::u16string_view text) = 0;
    virtual float TextWidth(std::u16string_view text) = 0;
};

}  // namespace hueloom
