// Replacing every occurrence of a text, and the yields that go with it.
#include "preview/replace_all.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "host/toolkit.h"
#include "support/counting_toolkit.h"
#include "support/recording_surface.h"

namespace hueloom {
namespace {

TEST(ReplaceAll, ReplacesEveryOccurrenceAndYieldsOncePerReplacement) {
    const struct {
        std::u16string text, find, replacement, result;
        int yields;
    } cases[] = {
        {u"a\rb\r", u"\r", u"+chr13+", u"a+chr13+b+chr13+", 2},
        {u"\r\r\r", u"\r", u"+chr13+", u"+chr13++chr13++chr13+", 3},
        {u"no breaks", u"\r", u"+chr13+", u"no breaks", 0},
        {u"", u"\r", u"+chr13+", u"", 0},
        {u"abab", u"ab", u"", u"", 2},
        {u"aaa", u"aa", u"b", u"ba", 1},
        {u"Case case", u"case", u"X", u"Case X", 1},
        // Safe where searching from the start each time would never end:
        {u"some text", u"", u"x", u"some text", 0},
        {u"aa", u"a", u"aa", u"aaaa", 2},
        {u"a\rb", u"\r", u"\r\r", u"a\r\rb", 1},
    };
    for (const auto& c : cases) {
        CountingToolkit toolkit;
        ScopedToolkit installed(toolkit);
        EXPECT_EQ(ReplaceAll(c.text, c.find, c.replacement), c.result) << Narrow(c.text);
        EXPECT_EQ(toolkit.calls, c.yields) << Narrow(c.text);
    }
}

TEST(ReplaceAll, WorksOnItsOwnCopyWhileHandlersRun) {
    std::u16string text = u"one\rtwo\rthree";
    std::u16string find = u"\r";
    CountingToolkit toolkit;
    // A handler changes the caller's texts, reallocating them.
    toolkit.pendingEvent = [&] {
        text.assign(1000, u'?');
        find.assign(1, u'e');
    };
    ScopedToolkit installed(toolkit);
    EXPECT_EQ(ReplaceAll(text, find, u"/"), u"one/two/three");
    EXPECT_EQ(toolkit.calls, 2);
}

TEST(ReplaceAll, StaysLinearForAMegabyteOfCarriageReturns) {
    const std::u16string text(1 << 20, u'\r');
    CountingToolkit toolkit;
    ScopedToolkit installed(toolkit);
    const std::u16string result = ReplaceAll(text, u"\r", u"+chr13+");
    EXPECT_EQ(result.size(), text.size() * 7);
    EXPECT_EQ(result.substr(result.size() - 7), u"+chr13+");
    EXPECT_EQ(toolkit.calls, 1 << 20);
}

}  // namespace
}  // namespace hueloom
