// The help a front end shows beside a control and tells a screen reader, the
// same on every toolkit: a swatch's colour as #RRGGBB, a bar's or the
// slider's value, and the plain text of what is drawn on a picture box.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host/control_design.h"

namespace hueloom {

// A packed colour value (red in the low byte) as "#RRGGBB", upper-case digits.
std::u16string ColourHelp(std::int32_t colour);

// A value in decimal digits.
std::u16string ValueHelp(int value);

// What a picture box tells a screen reader as its value, by what its design
// says it carries: the colour it shows, or the text drawn on it (drawnText is
// null while nothing has been drawn).
std::u16string PictureBoxValue(AccessibleValue value, std::int32_t colour,
                               const std::u16string* drawnText);

// Where one character of drawn text lies, in the surface's pixels.
struct CharacterBox {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

// The text a drawing surface shows, as plain text: everything printed since
// the last Cls, in order, whether or not it fell inside the surface, with a
// line break wherever printing goes back to the left.
class DrawnText {
  public:
    void Clear();
    // x is where the text starts on its line, in the surface's pixels.
    void Printed(std::u16string_view text, float x);
    // The same, and keeps each character's box: the text starts at (x, top),
    // is height high, and advances holds one width per code unit. A line
    // break gets an empty box where the line before it ends.
    void Printed(std::u16string_view text, float x, float top, float height,
                 std::span<const float> advances);
    const std::u16string& text() const { return text_; }
    // One box per code unit of text(), when every print gave its boxes.
    const std::vector<CharacterBox>& boxes() const { return boxes_; }

  private:
    bool BreaksLine(std::u16string_view text, float x) const;

    std::u16string text_;
    std::vector<CharacterBox> boxes_;
    float lastX_ = 0;
};

}  // namespace hueloom
