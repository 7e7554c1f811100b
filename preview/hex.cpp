// Hexadecimal text to numbers, for the colour codes of the markup.
#include "preview/hex.h"

#include <array>
#include <cstddef>

namespace hueloom {
namespace {

constexpr std::array<char16_t, 16> kDigits = {u'0', u'1', u'2', u'3', u'4', u'5', u'6', u'7',
                                              u'8', u'9', u'A', u'B', u'C', u'D', u'E', u'F'};

// Only the letters a to f can turn into digits, so lifting ASCII is enough.
char16_t UpperCaseAscii(char16_t c) { return (c >= u'a' && c <= u'z') ? c - (u'a' - u'A') : c; }

}  // namespace

std::int16_t HexDigitValue(std::u16string_view digit) {
    if (digit.size() != 1) return 0;
    for (std::size_t value = 0; value < kDigits.size(); ++value) {
        if (digit[0] == kDigits[value]) return static_cast<std::int16_t>(value);
    }
    return 0;
}

float HexToValue(std::u16string_view digits) {
    if (digits.size() > 8) digits.remove_prefix(digits.size() - 8);
    float accumulator = 0;
    double place = 1;  // 16 to the power of the digit's distance from the right
    for (std::size_t i = digits.size(); i-- > 0; place *= 16) {
        const char16_t digit = UpperCaseAscii(digits[i]);
        const double term = HexDigitValue(std::u16string_view(&digit, 1)) * place;
        // Each partial sum is stored in single precision, so large codes round.
        accumulator = static_cast<float>(static_cast<double>(accumulator) + term);
    }
    return accumulator;
}

}  // namespace hueloom
