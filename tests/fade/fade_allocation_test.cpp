// Every fade allocates its result once, at its full size.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

#include "fade/fade.h"

namespace {

int allocations = 0;

}  // namespace

// Counts every allocation of this test program.
void* operator new(std::size_t size) {
    ++allocations;
    if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
    throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }

namespace hueloom {
namespace {

template <typename Fade>
int AllocationsOf(Fade fade) {
    const int before = allocations;
    const std::u16string markup = fade();
    EXPECT_EQ(markup.capacity(), markup.size());
    return allocations - before;
}

TEST(FadeAllocations, OneAllocationOfTheFullSize) {
    const std::u16string text(1000, u'x');
    EXPECT_EQ(AllocationsOf([&] { return FadeThree(1, 2, 3, 4, 5, 6, 7, 8, 9, text, true); }), 1);
    EXPECT_EQ(AllocationsOf([&] { return FadeThreeValues(u"0", u"255", u"100", text, true); }), 1);
    EXPECT_EQ(
        AllocationsOf([&] { return FadeFour(1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, text, true); }), 1);
    EXPECT_EQ(AllocationsOf([&] {
                  return FadeFive(1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4, 5, 6, text, true);
              }),
              1);
    EXPECT_EQ(AllocationsOf([&] {
                  return FadeTen(1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4,
                                 5, 6, 7, 8, 9, 1, 2, 3, text, true);
              }),
              1);
}

}  // namespace
}  // namespace hueloom
