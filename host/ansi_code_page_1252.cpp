// The ANSI code page where the host has none of its own: Windows-1252.
#include <array>
#include <cstddef>

#include "host/ansi_code_page.h"

namespace hueloom {
namespace {

// Bytes 0x80..0x9F and the code units they stand for. Like the host's own
// table, the five bytes 1252 leaves unassigned carry the C1 controls of the
// same number, so those round-trip.
constexpr std::array<char16_t, 32> kHighControlRow{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// One byte per code unit; a surrogate, half of a pair or not, is one '?'.
char ToWindows1252(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
    for (std::size_t k = 0; k < kHighControlRow.size(); ++k) {
        if (kHighControlRow[k] == unit) return static_cast<char>(0x80 + k);
    }
    return '?';
}

}  // namespace

std::string ToAnsiCodePage(std::u16string_view text) {
    std::string result;
    result.reserve(text.size());
    for (char16_t unit : text) result.push_back(ToWindows1252(unit));
    return result;
}

}  // namespace hueloom
