// Band regions: rectangles, filled polygons and their combinations.
#include "inprocess/pixel_region.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace hueloom::detail {
namespace {

int Clamp(int value) { return std::clamp(value, -kRegionCoordinateLimit, kRegionCoordinateLimit); }

// Appends [left, right) to sorted spans, joining it to a span it touches.
void AddSpan(std::vector<Span>& spans, int left, int right) {
    if (left >= right) return;
    if (!spans.empty() && spans.back().right >= left) {
        spans.back().right = std::max(spans.back().right, right);
        return;
    }
    spans.push_back({left, right});
}

bool Covers(const std::vector<Span>& spans, std::size_t& index, int x) {
    while (index < spans.size() && spans[index].right <= x) ++index;
    return index < spans.size() && spans[index].left <= x;
}

bool Keeps(CombineMode mode, bool inFirst, bool inSecond) {
    switch (mode) {
        case CombineMode::kAnd:
            return inFirst && inSecond;
        case CombineMode::kOr:
            return inFirst || inSecond;
        case CombineMode::kXor:
            return inFirst != inSecond;
        case CombineMode::kDiff:
            return inFirst && !inSecond;
        case CombineMode::kCopy:
            return inFirst;
    }
    return false;
}

std::vector<Span> CombineSpans(const std::vector<Span>& first, const std::vector<Span>& second,
                               CombineMode mode) {
    std::vector<int> edges;
    edges.reserve(2 * (first.size() + second.size()));
    for (const auto& list : {&first, &second}) {
        for (const Span& span : *list) {
            edges.push_back(span.left);
            edges.push_back(span.right);
        }
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

    std::vector<Span> result;
    std::size_t i = 0, j = 0;
    for (std::size_t k = 0; k + 1 < edges.size(); ++k) {
        if (Keeps(mode, Covers(first, i, edges[k]), Covers(second, j, edges[k]))) {
            AddSpan(result, edges[k], edges[k + 1]);
        }
    }
    return result;
}

const std::vector<Span>* SpansAt(const std::vector<Band>& bands, std::size_t& index, int y) {
    static const std::vector<Span> none;
    while (index < bands.size() && bands[index].bottom <= y) ++index;
    return index < bands.size() && bands[index].top <= y ? &bands[index].spans : &none;
}

// One polygon edge, oriented downwards; direction +1 if drawn downwards.
struct Edge {
    std::int64_t x0, y0, x1, y1;
    int direction;
};

// The first pixel whose centre lies at or right of the edge on row y.
int FirstPixelPast(const Edge& edge, std::int64_t y) {
    // Twice the crossing's x at y + 0.5 is p / dy; the pixel is ceil(x - 0.5).
    const std::int64_t dy = edge.y1 - edge.y0;
    const std::int64_t p = 2 * edge.x0 * dy + (2 * y + 1 - 2 * edge.y0) * (edge.x1 - edge.x0);
    const std::int64_t n = p - dy;
    const std::int64_t d = 2 * dy;
    return static_cast<int>(n / d + (n % d > 0 ? 1 : 0));
}

std::vector<Span> RowSpans(const std::vector<const Edge*>& active, std::int64_t y, FillRule rule) {
    std::vector<std::pair<int, int>> crossings;  // first pixel past, direction
    crossings.reserve(active.size());
    for (const Edge* edge : active)
        crossings.emplace_back(FirstPixelPast(*edge, y), edge->direction);
    std::sort(crossings.begin(), crossings.end());

    std::vector<Span> spans;
    int passed = 0, winding = 0;
    for (std::size_t k = 0; k < crossings.size(); ++k) {
        ++passed;
        winding += crossings[k].second;
        const bool inside = rule == FillRule::kAlternate ? passed % 2 == 1 : winding != 0;
        if (inside && k + 1 < crossings.size()) {
            AddSpan(spans, crossings[k].first, crossings[k + 1].first);
        }
    }
    return spans;
}

// Rows crossed by a slanted edge must be filled one by one; count them.
std::int64_t RowsFilledOneByOne(const std::vector<Edge>& edges) {
    std::vector<std::pair<std::int64_t, std::int64_t>> ranges;
    for (const Edge& edge : edges) {
        if (edge.x0 != edge.x1) ranges.emplace_back(edge.y0, edge.y1);
    }
    std::sort(ranges.begin(), ranges.end());
    std::int64_t rows = 0, coveredTo = INT64_MIN;
    for (const auto& [top, bottom] : ranges) {
        const std::int64_t from = std::max(top, coveredTo);
        if (bottom > from) rows += bottom - from;
        coveredTo = std::max(coveredTo, bottom);
    }
    return rows;
}

}  // namespace

PixelRegion PixelRegion::Rectangle(int left, int top, int right, int bottom) {
    left = Clamp(left), top = Clamp(top), right = Clamp(right), bottom = Clamp(bottom);
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    PixelRegion region;
    std::vector<Span> spans;
    AddSpan(spans, left, right);
    region.AppendBand(top, bottom, std::move(spans));
    return region;
}

std::optional<PixelRegion> PixelRegion::Polygon(std::span<const Point> points, FillRule rule) {
    std::vector<Edge> edges;
    for (std::size_t k = 0; k < points.size(); ++k) {
        const Point& a = points[k];
        const Point& b = points[(k + 1) % points.size()];
        const int ay = Clamp(a.y), by = Clamp(b.y);
        if (ay == by) continue;  // a level edge crosses no pixel centre row
        if (ay < by) {
            edges.push_back({Clamp(a.x), ay, Clamp(b.x), by, 1});
        } else {
            edges.push_back({Clamp(b.x), by, Clamp(a.x), ay, -1});
        }
    }
    PixelRegion region;
    if (edges.empty()) return region;
    if (RowsFilledOneByOne(edges) > kPolygonRowLimit) return std::nullopt;
    std::sort(edges.begin(), edges.end(), [](const Edge& l, const Edge& r) { return l.y0 < r.y0; });

    std::int64_t bottom = edges.front().y1;
    for (const Edge& edge : edges) bottom = std::max(bottom, edge.y1);

    std::vector<const Edge*> active;
    std::size_t next = 0;
    for (std::int64_t y = edges.front().y0; y < bottom;) {
        while (next < edges.size() && edges[next].y0 <= y) active.push_back(&edges[next++]);
        std::erase_if(active, [y](const Edge* edge) { return edge->y1 <= y; });

        // Upright edges alone keep the same spans until an edge starts or ends.
        std::int64_t until = y + 1;
        if (std::all_of(active.begin(), active.end(),
                        [](const Edge* edge) { return edge->x0 == edge->x1; })) {
            until = next < edges.size() ? edges[next].y0 : bottom;
            for (const Edge* edge : active) until = std::min(until, edge->y1);
        }
        region.AppendBand(static_cast<int>(y), static_cast<int>(until), RowSpans(active, y, rule));
        y = until;
    }
    return region;
}

PixelRegion PixelRegion::Combine(const PixelRegion& first, const PixelRegion& second,
                                 CombineMode mode) {
    if (mode == CombineMode::kCopy) return first;
    std::vector<int> rows;
    for (const auto* region : {&first, &second}) {
        for (const Band& band : region->bands_) {
            rows.push_back(band.top);
            rows.push_back(band.bottom);
        }
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());

    PixelRegion result;
    std::size_t i = 0, j = 0;
    for (std::size_t k = 0; k + 1 < rows.size(); ++k) {
        const std::vector<Span>& a = *SpansAt(first.bands_, i, rows[k]);
        const std::vector<Span>& b = *SpansAt(second.bands_, j, rows[k]);
        result.AppendBand(rows[k], rows[k + 1], CombineSpans(a, b, mode));
    }
    return result;
}

bool PixelRegion::Contains(int x, int y) const {
    auto band = std::upper_bound(bands_.begin(), bands_.end(), y,
                                 [](int row, const Band& b) { return row < b.bottom; });
    if (band == bands_.end() || band->top > y) return false;
    auto span = std::upper_bound(band->spans.begin(), band->spans.end(), x,
                                 [](int column, const Span& s) { return column < s.right; });
    return span != band->spans.end() && span->left <= x;
}

RegionKind PixelRegion::Kind() const {
    if (bands_.empty()) return RegionKind::kEmpty;
    if (bands_.size() == 1 && bands_.front().spans.size() == 1) return RegionKind::kSimple;
    return RegionKind::kComplex;
}

void PixelRegion::AppendBand(int top, int bottom, std::vector<Span> spans) {
    if (top >= bottom || spans.empty()) return;
    if (!bands_.empty() && bands_.back().bottom == top && bands_.back().spans == spans) {
        bands_.back().bottom = bottom;
        return;
    }
    bands_.push_back({top, bottom, std::move(spans)});
}

}  // namespace hueloom::detail
