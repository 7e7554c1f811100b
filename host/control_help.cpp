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

void DrawnText::Clear() { text_.clear(); }

// Within a line the pen only moves right: a step back to the left is the next line.
void DrawnText::Printed(std::u16string_view text, float x) {
    if (text.empty()) return;
    if (!text_.empty() && x < lastX_) text_ += u'\n';
    text_ += text;
    lastX_ = x;
}

}  // namespace hueloom
