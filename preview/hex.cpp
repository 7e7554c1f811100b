// Hexadecimal text to numbers, for the colour codes of the markup.
#include "preview/hex.h"

#include <cstddef>

namespace hueloom {
namespace {

int UpperCaseDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return 0;
}

// The digit a character stands for once upper-cased; of all characters only
// the ASCII letters a to f upper-case into digits.
int DigitAfterUpperCasing(char16_t c) {
    return (c >= u'a' && c <= u'f') ? c - u'a' + 10 : UpperCaseDigit(c);
}

}  // namespace

std::int16_t HexDigitValue(std::u16string_view digit) {
    return static_cast<std::int16_t>(digit.size() == 1 ? UpperCaseDigit(digit[0]) : 0);
}

float HexToValue(std::u16string_view digits) {
    if (digits.size() > 8) digits.remove_prefix(digits.size() - 8);
    float accumulator = 0;
    double place = 1;  // 16 to the power of the digit's distance from the right
    for (std::size_t i = digits.size(); i-- > 0; place *= 16) {
        const double term = DigitAfterUpperCasing(digits[i]) * place;
        // Each partial sum is stored in single precision, so large codes round.
        accumulator = static_cast<float>(static_cast<double>(accumulator) + term);
    }
    return accumulator;
}

}  // namespace hueloom
