// The help a front end shows beside a control.
#include "app/control_help.h"

#include "fade/fade.h"

namespace hueloom {

std::u16string ColourHelp(std::int32_t colour) {
    const std::int32_t red = colour & 0xFF;
    const std::int32_t green = (colour >> 8) & 0xFF;
    const std::int32_t blue = (colour >> 16) & 0xFF;
    return u"#" + SixDigitHex(65536 * red + 256 * green + blue);
}

}  // namespace hueloom
