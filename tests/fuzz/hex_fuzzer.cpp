// Fuzzes HexToValue and HexDigitValue against a plain reading of their rules.
#include <bit>
#include <cstdint>
#include <string>

#include "fuzz_input.h"
#include "preview/hex.h"

namespace hueloom::fuzz {
namespace {

int ReferenceDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return 0;
}

// Last eight characters, rightmost first, upper-cased, each partial sum
// rounded to single precision.
float ReferenceHexToValue(std::u16string text) {
    if (text.size() > 8) text = text.substr(text.size() - 8);
    for (char16_t& c : text) {
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    }
    float accumulator = 0;
    const std::size_t n = text.size();
    for (std::size_t i = n; i >= 1; --i) {
        double power = 1;
        for (std::size_t k = 0; k < n - i; ++k) power *= 16;
        accumulator = static_cast<float>(double{accumulator} + ReferenceDigit(text[i - 1]) * power);
    }
    return accumulator;
}

}  // namespace
}  // namespace hueloom::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace hueloom;
    using namespace hueloom::fuzz;
    FuzzInput input(data, size);
    const std::u16string text = input.Text();

    const float value = HexToValue(text);
    Check(std::bit_cast<std::uint32_t>(value) ==
              std::bit_cast<std::uint32_t>(ReferenceHexToValue(text)),
          "HexToValue differs from the reference");
    Check(value >= 0 && value <= 4294967296.0f, "HexToValue out of range");

    const std::int16_t digit = HexDigitValue(text);
    Check(digit == (text.size() == 1 ? ReferenceDigit(text[0]) : 0),
          "HexDigitValue differs from the reference");
    return 0;
}
