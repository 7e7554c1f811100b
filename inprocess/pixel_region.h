// A set of pixels kept as the host keeps regions: horizontal bands of spans.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "host/window_system.h"

namespace hueloom::detail {

// Pixels left <= x < right of one band.
struct Span {
    int left;
    int right;
    friend bool operator==(const Span&, const Span&) = default;
};

// Rows top <= y < bottom that share the same spans, sorted and apart.
struct Band {
    int top;
    int bottom;
    std::vector<Span> spans;
};

// The host's numbers for the result of a combination.
enum class RegionKind { kEmpty = 1, kSimple = 2, kComplex = 3 };

// The host's combination modes, by their numbers.
enum class CombineMode { kAnd = 1, kOr = 2, kXor = 3, kDiff = 4, kCopy = 5 };

enum class FillRule { kAlternate = 1, kWinding = 2 };

// Coordinates are clamped to the host's region range before use.
inline constexpr int kRegionCoordinateLimit = 1 << 27;
// A polygon needing more individually filled rows than this is refused.
inline constexpr int kPolygonRowLimit = 1 << 18;

class PixelRegion {
  public:
    PixelRegion() = default;

    // Right and bottom edges exclusive; corners given in either order.
    static PixelRegion Rectangle(int left, int top, int right, int bottom);
    // The closed polygon (last vertex joins the first). A pixel belongs when
    // its centre (x + 0.5, y + 0.5) is inside under the fill rule; a centre
    // exactly on a slanted edge belongs when the edge is a left edge, so an
    // upright rectangle covers the same pixels as Rectangle. Empty optional
    // when the polygon is too tall to fill (kPolygonRowLimit).
    static std::optional<PixelRegion> Polygon(std::span<const Point> points, FillRule rule);
    // For kCopy the second region is ignored.
    static PixelRegion Combine(const PixelRegion& first, const PixelRegion& second,
                               CombineMode mode);

    bool Contains(int x, int y) const;
    RegionKind Kind() const;
    const std::vector<Band>& bands() const { return bands_; }

  private:
    // Adds rows [top, bottom) below the last band, merging equal neighbours.
    void AppendBand(int top, int bottom, std::vector<Span> spans);

    std::vector<Band> bands_;
};

}  // namespace hueloom::detail
