// SixDigitHex: a number, or a text holding a decimal number, as padded hexadecimal.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fade/fade.h"

namespace hueloom {
namespace {

constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";
constexpr std::size_t kPaddedLength = 6;

std::u16string PadToSix(std::u16string hex) {
    if (hex.size() < kPaddedLength) hex.insert(0, kPaddedLength - hex.size(), u'0');
    return hex;
}

std::u16string Hex(std::uint64_t value) {
    char16_t digits[16];
    std::size_t count = 0;
    do {
        digits[count++] = kHexDigits[value % 16];
        value /= 16;
    } while (value != 0);
    return std::u16string(std::make_reverse_iterator(digits + count),
                          std::make_reverse_iterator(digits));
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

// The digits of a clean decimal text: blanks around it, an optional "+", at
// least one digit. Anything else (a sign "-", a point, letters) gives "".
std::u16string_view DecimalDigits(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    if (!text.empty() && text.front() == u'+') text.remove_prefix(1);
    if (text.empty()) return {};
    for (char16_t c : text) {
        if (!IsDigit(c)) return {};
    }
    return text;
}

// Exact for any number of digits, so no decimal text can overflow: up to 19
// digits fit 64 bits; longer values are built in 32-bit limbs, nine decimal
// digits at a time.
std::u16string HexOfDecimal(std::u16string_view digits) {
    while (!digits.empty() && digits.front() == u'0') digits.remove_prefix(1);
    if (digits.size() <= 19) {
        std::uint64_t value = 0;
        for (char16_t c : digits) value = value * 10 + static_cast<std::uint64_t>(c - u'0');
        return Hex(value);
    }
    std::vector<std::uint32_t> limbs;  // least significant first
    while (!digits.empty()) {
        const std::size_t take = std::min<std::size_t>(digits.size(), 9);
        std::uint64_t scale = 1, chunk = 0;
        for (char16_t c : digits.substr(0, take)) {
            scale *= 10;
            chunk = chunk * 10 + static_cast<std::uint64_t>(c - u'0');
        }
        digits.remove_prefix(take);
        std::uint64_t carry = chunk;
        for (std::uint32_t& limb : limbs) {
            const std::uint64_t product = limb * scale + carry;
            limb = static_cast<std::uint32_t>(product);
            carry = product >> 32;
        }
        if (carry != 0) limbs.push_back(static_cast<std::uint32_t>(carry));
    }
    std::u16string hex = Hex(limbs.back());
    for (auto limb = limbs.rbegin() + 1; limb != limbs.rend(); ++limb) {
        for (int shift = 28; shift >= 0; shift -= 4)
            hex.push_back(kHexDigits[(*limb >> shift) & 0xF]);
    }
    return hex;
}

}  // namespace

// Negative numbers are outside every use; they count as 0 rather than show
// as a two's-complement run of "F"s.
std::u16string SixDigitHex(std::int64_t value) {
    return PadToSix(Hex(value < 0 ? 0 : static_cast<std::uint64_t>(value)));
}

// A text that is not a clean non-negative decimal counts as 0.
std::u16string SixDigitHex(std::u16string_view decimal) {
    return PadToSix(HexOfDecimal(DecimalDigits(decimal)));
}

}  // namespace hueloom
