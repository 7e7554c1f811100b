// SixDigitHex of numbers and of decimal texts, including texts that hold no clean number.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "fade/fade.h"

namespace hueloom {
namespace {

TEST(SixDigitHex, PadsToSixUpperCaseDigitsAndNeverShortens) {
    const struct {
        std::int64_t value;
        const char16_t* hex;
    } cases[] = {
        {0, u"000000"},
        {15, u"00000F"},
        {100, u"000064"},
        {255, u"0000FF"},
        {4096, u"001000"},
        {65535, u"00FFFF"},
        {1048576, u"100000"},
        {8388736, u"800080"},
        {16777215, u"FFFFFF"},
        {16777216, u"1000000"},
        {INT64_MAX, u"7FFFFFFFFFFFFFFF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SixDigitHex(c.value), c.hex) << c.value;
        const std::string decimal = std::to_string(c.value);
        EXPECT_EQ(SixDigitHex(std::u16string(decimal.begin(), decimal.end())), c.hex) << decimal;
    }
}

TEST(SixDigitHex, TextBeyondSixtyFourBitsIsConvertedExactly) {
    EXPECT_EQ(SixDigitHex(u"18446744073709551616"), u"10000000000000000");  // 2^64
    EXPECT_EQ(SixDigitHex(u"340282366920938463463374607431768211455"),      // 2^128 - 1
              u"FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF");
    EXPECT_EQ(SixDigitHex(u"00000000000000000000255"), u"0000FF");
    EXPECT_EQ(SixDigitHex(std::u16string(5000, u'9')).size(), 4153u);  // 10^5000 - 1
}

TEST(SixDigitHex, BlanksAndPlusAreAllowedAnythingElseCountsAsZero) {
    EXPECT_EQ(SixDigitHex(u"  255\t"), u"0000FF");
    EXPECT_EQ(SixDigitHex(u"+255"), u"0000FF");
    for (const char16_t* text :
         {u"", u"   ", u"+", u"-5", u"2.5", u"0x10", u"12a", u"1 2", u"\uFF11"}) {
        EXPECT_EQ(SixDigitHex(std::u16string_view(text)), u"000000");
    }
    EXPECT_EQ(SixDigitHex(-1), u"000000");
    EXPECT_EQ(SixDigitHex(std::numeric_limits<std::int64_t>::min()), u"000000");
}

}  // namespace
}  // namespace hueloom
