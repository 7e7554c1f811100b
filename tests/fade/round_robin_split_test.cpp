// The round-robin split: lengths per segment and one DoEvents per pass.
#include "fade/round_robin_split.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "support/counting_toolkit.h"

namespace hueloom {
namespace {

struct SplitCase {
    std::int16_t length;
    std::size_t segments;
    std::vector<std::int16_t> lengths;
    int passes;
};

TEST(RoundRobinSplit, DealsOneCharacterPerSegmentInTurn) {
    const SplitCase cases[] = {
        {7, 3, {3, 2, 2}, 3},
        {7, 4, {2, 2, 2, 1}, 2},
        {10, 9, {2, 1, 1, 1, 1, 1, 1, 1, 1}, 2},
        {11, 9, {2, 2, 1, 1, 1, 1, 1, 1, 1}, 2},
        {9, 9, {1, 1, 1, 1, 1, 1, 1, 1, 1}, 1},
        {3, 9, {1, 1, 1, 0, 0, 0, 0, 0, 0}, 1},
        {1, 3, {1, 0, 0}, 1},
        {4, 3, {2, 1, 1}, 2},
        {0, 4, {1, 0, 0, 0}, 1},  // the empty line still starts one pass
        {32767, 9, {3641, 3641, 3641, 3641, 3641, 3641, 3641, 3640, 3640}, 3641},
        {32767, 3, {10923, 10922, 10922}, 10923},
    };
    for (const SplitCase& c : cases) {
        CountingToolkit toolkit;
        ScopedToolkit installed(toolkit);
        std::vector<std::int16_t> lengths(c.segments, 99);
        RoundRobinSplit(c.length, lengths);
        EXPECT_EQ(lengths, c.lengths) << c.length << " over " << c.segments;
        EXPECT_EQ(toolkit.calls, c.passes) << c.length << " over " << c.segments;
    }
}

TEST(RoundRobinSplit, NoSegmentsMeansNoPass) {
    CountingToolkit toolkit;
    ScopedToolkit installed(toolkit);
    RoundRobinSplit(5, {});
    EXPECT_EQ(toolkit.calls, 0);
}

}  // namespace
}  // namespace hueloom
