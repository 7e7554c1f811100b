// The Windows-1252 code page, both ways.
#include "host/windows_1252.h"

#include <array>
#include <cstddef>

namespace hueloom {
namespace {

// Bytes 0x80..0x9F, the only ones that differ from ISO 8859-1, and the code
// units they stand for; 0x81, 0x8D, 0x8F, 0x90 and 0x9D round-trip.
constexpr std::array<char16_t, 32> kHighControlRow{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t FromWindows1252Byte(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControlRow[byte - 0x80];
    return byte;
}

}  // namespace

char ToWindows1252(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
    for (std::size_t k = 0; k < kHighControlRow.size(); ++k) {
        if (kHighControlRow[k] == unit) return static_cast<char>(0x80 + k);
    }
    return '?';
}

std::u16string FromWindows1252(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (char byte : bytes) text.push_back(FromWindows1252Byte(static_cast<unsigned char>(byte)));
    return text;
}

}  // namespace hueloom
