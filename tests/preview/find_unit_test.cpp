// Finding one code unit a word at a time, against the standard library's find.
#include "preview/find_unit.h"

#include <gtest/gtest.h>

#include <string>

namespace hueloom::detail {
namespace {

// Every start and every place of the unit within and after whole words,
// beside neighbours one above and one below it and the top bit set.
TEST(FindUnit, AgreesWithFindAtEveryPlace) {
    for (const char16_t unit : {u'>', u'\r', u'\0', u'\xFFFF', u'\x8000'}) {
        for (std::size_t length = 0; length <= 13; ++length) {
            for (std::size_t place = 0; place <= length; ++place) {
                std::u16string text(length, static_cast<char16_t>(unit + 1));
                for (std::size_t k = 0; k < length; k += 3)
                    text[k] = static_cast<char16_t>(unit - 1);
                if (place < length) text[place] = unit;
                for (std::size_t from = 0; from <= length; ++from) {
                    EXPECT_EQ(FindUnit(text, unit, from),
                              std::u16string_view(text).find(unit, from))
                        << int(unit) << " length " << length << " at " << place << " from " << from;
                }
            }
        }
    }
}

}  // namespace
}  // namespace hueloom::detail
