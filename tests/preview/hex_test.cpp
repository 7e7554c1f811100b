// Hexadecimal digits and colour codes to numbers.
#include "preview/hex.h"

#include <gtest/gtest.h>

#include <string>

#include "support/recording_surface.h"

namespace hueloom {
namespace {

TEST(HexDigitValue, OnlyExactlyOneUpperCaseDigitCounts) {
    const struct {
        std::u16string digit;
        int value;
    } cases[] = {
        {u"0", 0}, {u"7", 7}, {u"9", 9}, {u"A", 10}, {u"C", 12}, {u"F", 15}, {u"a", 0},
        {u"f", 0}, {u"G", 0}, {u"", 0},  {u"10", 0}, {u"FF", 0}, {u" ", 0},  {u"\u00FF", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HexDigitValue(c.digit), c.value) << Narrow(c.digit);
    }
}

TEST(HexToValue, ReadsEitherCaseAndCountsOtherCharactersAsZero) {
    const struct {
        std::u16string digits;
        float value;
    } cases[] = {
        {u"", 0},       {u"ff", 255}, {u"FF", 255},          {u"fF", 255},
        {u"0A", 10},    {u"a", 10},   {u"fe", 254},          {u"7g", 112},
        {u"1G", 16},    {u"G1", 1},   {u" f", 15},           {u"zz", 0},
        {u"\u00FF", 0}, {u"80", 128}, {u"FFFFFF", 16777215}, {u"abcdef", 11259375},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HexToValue(c.digits), c.value) << Narrow(c.digits);
    }
}

// Every partial sum is stored in single precision, so codes past 2^24 round.
TEST(HexToValue, RoundsEachPartialSumToSinglePrecision) {
    const struct {
        std::u16string digits;
        float value;
    } cases[] = {
        {u"1000001", 16777216.0f},    {u"FFFFFFFF", 4294967296.0f}, {u"ffffffff", 4294967296.0f},
        {u"123456789", 591751040.0f},  // only the last eight characters count
        {u"F00000000", 0.0f},         {u"zzzzzzzz1", 1.0f},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HexToValue(c.digits), c.value) << Narrow(c.digits);
    }
}

}  // namespace
}  // namespace hueloom
