// Colours in OKLab, a space where equal steps look like equal changes of colour.
#include "cli/oklab.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace hueloom::cli {
namespace {

// The sRGB transfer curve, for components in 0..1.
double Linear(double encoded) {
    return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

// The linear values halfway between neighbouring sRGB components, so that a
// linear value rounds to the count of those below it: the same component as
// encoding it and rounding, without a power per component of every cluster.
const std::array<double, 255> kHalfways = [] {
    std::array<double, 255> halfways{};
    for (std::size_t k = 0; k < halfways.size(); ++k) halfways[k] = Linear((k + 0.5) / 255.0);
    return halfways;
}();

// Below 0 and above 1 (outside what sRGB holds) land on 0 and 255.
std::uint8_t Component(double linear) {
    return static_cast<std::uint8_t>(std::lower_bound(kHalfways.begin(), kHalfways.end(), linear) -
                                     kHalfways.begin());
}

double Cube(double x) { return x * x * x; }

}  // namespace

// The matrices are the published ones of the OKLab space.
Oklab ToOklab(Rgb colour) {
    const double r = Linear(colour.red / 255.0), g = Linear(colour.green / 255.0),
                 b = Linear(colour.blue / 255.0);
    const double l = std::cbrt(0.4122214708 * r + 0.5363325363 * g + 0.0514459929 * b);
    const double m = std::cbrt(0.2119034982 * r + 0.6806995451 * g + 0.1073969566 * b);
    const double s = std::cbrt(0.0883024619 * r + 0.2817188376 * g + 0.6299787005 * b);
    return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
            1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
            0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

Rgb ToSrgb(Oklab colour) {
    const double l = Cube(colour.lightness + 0.3963377774 * colour.a + 0.2158037573 * colour.b);
    const double m = Cube(colour.lightness - 0.1055613458 * colour.a - 0.0638541728 * colour.b);
    const double s = Cube(colour.lightness - 0.0894841775 * colour.a - 1.2914855480 * colour.b);
    return {Component(4.0767416621 * l - 3.3077115913 * m + 0.2309699292 * s),
            Component(-1.2684380046 * l + 2.6097574011 * m - 0.3413193965 * s),
            Component(-0.0041960863 * l - 0.7034186147 * m + 1.7076147010 * s)};
}

void OklabPartColours(Rgb start, Rgb end, std::span<Rgb> colours) {
    const Oklab from = ToOklab(start), to = ToOklab(end);
    const auto length = static_cast<double>(colours.size());
    const Oklab step = {(to.lightness - from.lightness) / length, (to.a - from.a) / length,
                        (to.b - from.b) / length};
    for (std::size_t k = 0; k < colours.size(); ++k) {
        const double i = static_cast<double>(k + 1);
        colours[k] =
            ToSrgb({step.lightness * i + from.lightness, step.a * i + from.a, step.b * i + from.b});
    }
}

}  // namespace hueloom::cli
