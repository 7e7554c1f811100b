// The help a front end shows beside a control and tells a screen reader, the
// same on every toolkit: a swatch's colour as #RRGGBB, a bar's or the
// slider's value, and the plain text of what is drawn on a picture box.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace hueloom {

// A packed colour value (red in the low byte) as "#RRGGBB", upper-case digits.
std::u16string ColourHelp(std::int32_t colour);

// A value in decimal digits.
std::u16string ValueHelp(int value);

// The text a drawing surface shows, as plain text: everything printed since
// the last Cls, in order, whether or not it fell inside the surface, with a
// line break wherever printing goes back to the left.
class DrawnText {
  public:
    void Clear();
    // x is where the text starts on its line, in the surface's pixels.
    void Printed(std::u16string_view text, float x);
    const std::u16string& text() const { return text_; }

  private:
    std::u16string text_;
    float lastX_ = 0;
};

}  // namespace hueloom
