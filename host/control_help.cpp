// The help a front end shows beside a control.
#include "host/control_help.h"

namespace hueloom {

std::u16string ColourHelp(std::int32_t colour) {
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    std::u16string help = u"#";
    // Red, green, blue: the low byte first, as the packed value holds them.
    for (int shift = 0; shift <= 16; shift += 8) {
        const int component = (colour >> shift) & 0xFF;
        help += kDigits[component >> 4];
        help += kDigits[component & 0xF];
    }
    return help;
}

std::u16string ValueHelp(int value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

std::u16string PictureBoxValue(AccessibleValue value, std::int32_t colour,
                               const std::u16string* drawnText) {
    switch (value) {
        case AccessibleValue::kColour:
            return ColourHelp(colour);
        case AccessibleValue::kDrawnText:
            return drawnText != nullptr ? *drawnText : std::u16string();
        case AccessibleValue::kPosition:
        case AccessibleValue::kNone:
            break;
    }
    return {};
}

void DrawnText::Clear() {
    text_.clear();
    boxes_.clear();
}

// Within a line the pen only moves right: a step back to the left is the next line.
bool DrawnText::BreaksLine(std::u16string_view text, float x) const {
    return !text.empty() && !text_.empty() && x < lastX_;
}

void DrawnText::Printed(std::u16string_view text, float x) {
    if (text.empty()) return;
    if (BreaksLine(text, x)) text_ += u'\n';
    text_ += text;
    lastX_ = x;
}

void DrawnText::Printed(std::u16string_view text, float x, float top, float height,
                        std::span<const float> advances) {
    // Boxes are kept only while every character has one.
    if (advances.size() != text.size() || boxes_.size() != text_.size()) {
        Printed(text, x);
        return;
    }
    if (BreaksLine(text, x)) {
        const CharacterBox& last = boxes_.back();
        boxes_.push_back({last.left + last.width, last.top, 0, last.height});
    }
    Printed(text, x);
    for (const float advance : advances) {
        boxes_.push_back({x, top, advance, height});
        x += advance;
    }
}

}  // namespace hueloom
