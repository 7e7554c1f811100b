// OKLab: the published values of the sRGB primaries, and every stop coming back as it was.
#include "cli/oklab.h"

#include <gtest/gtest.h>

namespace hueloom::cli {
namespace {

TEST(Oklab, ThePrimariesHaveTheirPublishedCoordinates) {
    struct Case {
        Rgb colour;
        Oklab lab;
    };
    const Case cases[] = {{{255, 255, 255}, {1.0, 0.0, 0.0}},
                          {{255, 0, 0}, {0.627955, 0.224863, 0.125846}},
                          {{0, 255, 0}, {0.866440, -0.233888, 0.179498}},
                          {{0, 0, 255}, {0.452014, -0.032457, -0.311528}}};
    for (const Case& c : cases) {
        const Oklab lab = ToOklab(c.colour);
        EXPECT_NEAR(lab.lightness, c.lab.lightness, 1e-5);
        EXPECT_NEAR(lab.a, c.lab.a, 1e-5);
        EXPECT_NEAR(lab.b, c.lab.b, 1e-5);
    }
}

// A fade ends each part on its stop, so every stop must survive the way there and back.
TEST(Oklab, EveryColourComesBackFromOklabUnchanged) {
    int changed = 0;
    for (int red = 0; red < 256; red += 3) {
        for (int green = 0; green < 256; green += 5) {
            for (int blue = 0; blue < 256; ++blue) {
                const Rgb colour = {static_cast<std::uint8_t>(red),
                                    static_cast<std::uint8_t>(green),
                                    static_cast<std::uint8_t>(blue)};
                changed += !(ToSrgb(ToOklab(colour)) == colour);
            }
        }
    }
    EXPECT_EQ(changed, 0);
}

// Components past either end of sRGB are clamped, not wrapped round.
TEST(Oklab, ColoursOutsideSrgbAreClamped) {
    EXPECT_EQ(ToSrgb({1.0, 0.3, 0.0}).red, 255);    // red above 1
    EXPECT_EQ(ToSrgb({0.5, 0.25, 0.25}).green, 0);  // green below 0
}

}  // namespace
}  // namespace hueloom::cli
