// The fade that matches a number of colour stops.
#include "app/column_fade.h"

#include <stdexcept>

namespace hueloom {

std::u16string FadeColumns(std::span<const Component> s, std::u16string_view text, bool wavy) {
    switch (s.size()) {
        case 9:
            return FadeThree(s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7], s[8], text, wavy);
        case 12:
            return FadeFour(s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7], s[8], s[9], s[10],
                            s[11], text, wavy);
        case 15:
            return FadeFive(s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7], s[8], s[9], s[10],
                            s[11], s[12], s[13], s[14], text, wavy);
        case 30:
            return FadeTen(s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7], s[8], s[9], s[10], s[11],
                           s[12], s[13], s[14], s[15], s[16], s[17], s[18], s[19], s[20], s[21],
                           s[22], s[23], s[24], s[25], s[26], s[27], s[28], s[29], text, wavy);
        default:
            throw std::invalid_argument("a fade takes 3, 4, 5 or 10 colour stops");
    }
}

}  // namespace hueloom
