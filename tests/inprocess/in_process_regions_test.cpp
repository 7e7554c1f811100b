// Regions of the in-process window system: pixels held, combinations, snapshots.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "inprocess/in_process_window_system.h"

namespace hueloom {
namespace {

constexpr int kAnd = 1, kOr = 2, kXor = 3, kDiff = 4, kCopy = 5;
constexpr int kNullRegion = 1, kSimpleRegion = 2, kComplexRegion = 3;

struct Regions : ::testing::Test {
    InProcessWindowSystem ws;
    Hrgn Polygon(std::vector<Point> points, int fill = kFillAlternate) {
        return ws.CreatePolygonRgn(points.data(), static_cast<int>(points.size()), fill);
    }
};

TEST_F(Regions, RectangleLeavesOutItsRightAndBottomEdges) {
    for (Hrgn r : {ws.CreateRectRgn(2, 3, 6, 8), ws.CreateRectRgn(6, 8, 2, 3)}) {
        EXPECT_TRUE(ws.RegionContains(r, 2, 3));
        EXPECT_TRUE(ws.RegionContains(r, 5, 7));
        EXPECT_FALSE(ws.RegionContains(r, 6, 7));
        EXPECT_FALSE(ws.RegionContains(r, 5, 8));
        EXPECT_FALSE(ws.RegionContains(r, 1, 3));
    }
    EXPECT_FALSE(ws.RegionContains(ws.CreateRectRgn(0, 0, 0, 0), 0, 0));
    EXPECT_TRUE(ws.RegionContains(ws.CreateRectRgn(INT_MIN, INT_MIN, INT_MAX, INT_MAX), 0, 0));
    EXPECT_FALSE(ws.RegionContains(0, 0, 0));
}

TEST_F(Regions, PolygonPixelsByTheirCentres) {
    // An upright polygon holds the same pixels as the rectangle.
    const Hrgn square = Polygon({{2, 3}, {6, 3}, {6, 8}, {2, 8}});
    const Hrgn rect = ws.CreateRectRgn(2, 3, 6, 8);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            EXPECT_EQ(ws.RegionContains(square, x, y), ws.RegionContains(rect, x, y))
                << x << "," << y;
        }
    }
    // The diagonal of a square split in two passes through pixel centres: each
    // such pixel goes to the half whose left edge it is, so the halves tile.
    const Hrgn lower = Polygon({{0, 0}, {8, 8}, {0, 8}});
    const Hrgn upper = Polygon({{0, 0}, {8, 0}, {8, 8}});
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            EXPECT_NE(ws.RegionContains(lower, x, y), ws.RegionContains(upper, x, y))
                << x << "," << y;
        }
    }
    EXPECT_TRUE(ws.RegionContains(upper, 3, 3));
    EXPECT_TRUE(ws.RegionContains(lower, 2, 3));
}

TEST_F(Regions, FillModeDecidesTheCentreOfAStar) {
    const std::vector<Point> star{{50, 0}, {80, 90}, {5, 35}, {95, 35}, {20, 90}};
    EXPECT_FALSE(ws.RegionContains(Polygon(star, 1), 50, 50));
    EXPECT_TRUE(ws.RegionContains(Polygon(star, 2), 50, 50));
    EXPECT_TRUE(ws.RegionContains(Polygon(star, 1), 50, 10));  // a tip: inside either way
    EXPECT_EQ(Polygon(star, 3), 0u);
    EXPECT_EQ(Polygon({{1, 1}}), 0u);
}

TEST_F(Regions, CombineModesOnTwoOverlappingRectangles) {
    // Probes: only in A, in both, only in B, in neither.
    const Point probes[] = {{2, 2}, {7, 7}, {12, 12}, {20, 20}};
    const struct {
        int mode;
        bool held[4];
        int kind;
    } cases[] = {
        {kAnd, {false, true, false, false}, kSimpleRegion},
        {kOr, {true, true, true, false}, kComplexRegion},
        {kXor, {true, false, true, false}, kComplexRegion},
        {kDiff, {true, false, false, false}, kComplexRegion},
        {kCopy, {true, true, false, false}, kSimpleRegion},
    };
    for (const auto& c : cases) {
        const Hrgn a = ws.CreateRectRgn(0, 0, 10, 10), b = ws.CreateRectRgn(5, 5, 15, 15);
        const Hrgn out = ws.CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(ws.CombineRgn(out, a, b, c.mode), c.kind) << "mode " << c.mode;
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(ws.RegionContains(out, probes[k].x, probes[k].y), c.held[k])
                << "mode " << c.mode << " probe " << k;
        }
    }
    const Hrgn a = ws.CreateRectRgn(0, 0, 5, 5), far = ws.CreateRectRgn(9, 9, 12, 12);
    EXPECT_EQ(ws.CombineRgn(a, a, far, kAnd), kNullRegion);
    EXPECT_EQ(ws.CombineRgn(a, far, 0, kCopy), kSimpleRegion);  // copy needs one source
}

TEST_F(Regions, DestinationKeepsASnapshotOfTheCombination) {
    const Hrgn a = ws.CreateRectRgn(0, 0, 10, 10), b = ws.CreateRectRgn(5, 0, 10, 10);
    const Hrgn out = ws.CreateRectRgn(0, 0, 0, 0);
    ws.CombineRgn(out, a, b, kDiff);
    ws.CombineRgn(a, b, 0, kCopy);  // change a source afterwards
    ws.CombineRgn(b, a, b, kXor);
    EXPECT_TRUE(ws.RegionContains(out, 2, 2));
    EXPECT_FALSE(ws.RegionContains(out, 7, 2));
    EXPECT_FALSE(ws.RegionContains(a, 2, 2));
}

TEST_F(Regions, BadHandlesAndModesFailAndChangeNothing) {
    const Hrgn a = ws.CreateRectRgn(0, 0, 10, 10), out = ws.CreateRectRgn(0, 0, 1, 1);
    EXPECT_EQ(ws.CombineRgn(out, a, 0xDEAD, kOr), 0);
    EXPECT_EQ(ws.CombineRgn(0xDEAD, a, a, kOr), 0);
    EXPECT_EQ(ws.CombineRgn(out, a, a, 6), 0);
    EXPECT_TRUE(ws.RegionContains(out, 0, 0));
    EXPECT_FALSE(ws.RegionContains(out, 5, 5));
}

TEST_F(Regions, HugePolygonsAreBuiltOrRefusedWithoutHanging) {
    // Upright edges fill in bands however tall; slanted ones row by row, up to a limit.
    const Hrgn tall = Polygon({{0, -100000000}, {4, -100000000}, {4, 100000000}, {0, 100000000}});
    EXPECT_TRUE(ws.RegionContains(tall, 3, 99999999));
    EXPECT_EQ(Polygon({{0, 0}, {1, 100000000}, {-1, 100000000}}), 0u);
}

TEST_F(Regions, WindowKeepsTheRegionItWasGiven) {
    Hrgn told = 0;
    const Hwnd w = ws.AddWindow(0, "form", {}, {.onSetWindowRgn = [&](Hrgn r) { told = r; }});
    const Hrgn r = ws.CreateRectRgn(0, 0, 3, 3);
    EXPECT_EQ(ws.WindowRegion(w), 0u);
    EXPECT_NE(ws.SetWindowRgn(w, r, true), 0);
    EXPECT_EQ(ws.WindowRegion(w), r);
    EXPECT_EQ(told, r);
    EXPECT_EQ(ws.SetWindowRgn(w, 0xDEAD, true), 0);  // unknown region: unchanged
    EXPECT_EQ(ws.WindowRegion(w), r);
    EXPECT_NE(ws.SetWindowRgn(w, 0, false), 0);  // 0 takes the region away
    EXPECT_EQ(ws.WindowRegion(w), 0u);
}

}  // namespace
}  // namespace hueloom
