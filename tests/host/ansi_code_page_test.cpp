// Text for the host's 8-bit calls where it has no code page of its own:
// Windows-1252, '?' for what it cannot hold.
#include <gtest/gtest.h>

#include <string>

#include "host/window_system.h"
#include "host/windows_1252.h"

namespace hueloom {
namespace {

using namespace std::string_literals;
using namespace std::string_view_literals;

std::string ToAnsiCodePage(std::u16string_view text) {
    return CurrentWindowSystem().ToAnsiCodePage(text);
}

TEST(AnsiCodePage, OneByteForEveryCodeUnit) {
    const struct {
        std::u16string_view text;
        std::string expected;
    } cases[] = {
        {u"", ""},
        {u"<Font Color=#FF0000>H", "<Font Color=#FF0000>H"},
        {u"caf\u00e9 \u00a0\u00ff", "caf\xe9 \xa0\xff"},
        {u"\u20ac\u201a\u0192\u2122\u0178", "\x80\x82\x83\x99\x9f"},
        {u"\u0081\u008d\u008f\u0090\u009d", "\x81\x8d\x8f\x90\x9d"},  // round-trip like the host
        {u"\u0080\u0100\u4e2d\ufffd", "????"},
        {u"a\xd83d"
         u"b",
         "a?b"},  // lone high surrogate
        {u"a\xde00"
         u"b",
         "a?b"},                // lone low surrogate
        {u"\U0001F600", "??"},  // a pair is two code units
        {u"a\0b"sv, "a\0b"s},   // NUL is representable and kept
    };
    for (const auto& c : cases) EXPECT_EQ(ToAnsiCodePage(c.text), c.expected);
}

// What the stand-in reads back is what was sent, for every byte.
TEST(Windows1252, EveryByteRoundTrips) {
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte) bytes.push_back(static_cast<char>(byte));
    const std::u16string text = FromWindows1252(bytes);
    ASSERT_EQ(text.size(), 256u);
    EXPECT_EQ(text[0x80], u'\u20ac');
    EXPECT_EQ(ToAnsiCodePage(text), bytes);
}

}  // namespace
}  // namespace hueloom
