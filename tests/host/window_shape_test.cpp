// The main window's topmost band and notched region, as the window system sees them.
#include "host/window_shape.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "inprocess/in_process_window_system.h"

namespace hueloom {
namespace {

std::vector<std::string> Operations(const InProcessWindowSystem& ws) {
    std::vector<std::string> names;
    for (const RecordedCall& call : ws.calls()) names.push_back(call.operation);
    return names;
}

TEST(WindowShape, MakeTopmostKeepsPositionAndSize) {
    InProcessWindowSystem ws;
    const Hwnd form = ws.AddWindow(0, "form");
    ScopedWindowSystem installed(ws);
    MakeTopmost(form);
    ASSERT_EQ(ws.calls().size(), 1u);
    EXPECT_EQ(ws.calls()[0].operation, "SetWindowPos");
    EXPECT_EQ(ws.calls()[0].args,
              (std::vector<std::int64_t>{form, 0xFFFFFFFF, 0, 0, 0, 0, kSwpNoMove | kSwpNoSize}));
    EXPECT_TRUE(ws.IsTopmost(form));
}

TEST(WindowShape, NotchedRegionIsTheOutlineMinusThePolygon) {
    InProcessWindowSystem ws;
    const Hwnd form = ws.AddWindow(0, "form");
    ScopedWindowSystem installed(ws);
    ApplyNotchedRegion(form);

    EXPECT_EQ(Operations(ws), (std::vector<std::string>{
                                  "CreatePolygonRgn", "CreateRectRgn", "CreateRectRgn",
                                  "CombineRgn", "SetWindowRgn", "DeleteObject", "DeleteObject"}));
    const auto& calls = ws.calls();
    EXPECT_EQ(calls[0].args, (std::vector<std::int64_t>{12, kFillAlternate}));
    ASSERT_EQ(calls[0].points.size(), 12u);
    EXPECT_EQ(calls[0].points[3].x, 59);
    EXPECT_EQ(calls[0].points[3].y, 291);
    EXPECT_EQ(calls[1].args, (std::vector<std::int64_t>{0, 0, 0, 0}));
    EXPECT_EQ(calls[2].args, (std::vector<std::int64_t>{0, 0, 585, 368}));

    // Combined into the empty region, from the rectangle minus the polygon, then applied.
    const Hrgn result = ws.WindowRegion(form);
    ASSERT_NE(result, 0u);
    EXPECT_EQ(calls[3].args[0], result);
    EXPECT_EQ(calls[3].args[3], kRgnDiff);
    EXPECT_EQ(calls[4].args, (std::vector<std::int64_t>{form, result, 1}));
    // The two sources go; the applied region stays the window's.
    EXPECT_EQ(calls[5].args, (std::vector<std::int64_t>{calls[3].args[1]}));
    EXPECT_EQ(calls[6].args, (std::vector<std::int64_t>{calls[3].args[2]}));
    EXPECT_EQ(ws.RegionCount(), 1u);

    // Cut out: under the zigzag, and the tooth that dips below the closing edge.
    const struct {
        int x, y;
        bool held;
    } pixels[] = {{10, 295, false}, {10, 292, false}, {100, 294, false}, {162, 295, false},
                  {80, 296, false}, {10, 289, true},  {200, 295, true},  {10, 296, true},
                  {165, 295, true}, {0, 0, true},     {584, 367, true},  {585, 0, false},
                  {0, 368, false}};
    for (const auto& p : pixels) {
        EXPECT_EQ(ws.RegionContains(result, p.x, p.y), p.held) << p.x << "," << p.y;
    }
}

// The rectangle and a few vertices of each region applied so far, one row a region.
std::vector<std::vector<std::int64_t>> AppliedShapes(const InProcessWindowSystem& ws) {
    std::vector<std::vector<std::int64_t>> shapes;
    const auto& calls = ws.calls();
    for (std::size_t i = 0; i + 2 < calls.size(); ++i) {
        if (calls[i].operation != "CreatePolygonRgn") continue;
        const auto& notch = calls[i].points;
        shapes.push_back({calls[i + 2].args[2], calls[i + 2].args[3], notch[1].x, notch[1].y,
                          notch[4].x, notch[4].y, notch[10].x});
    }
    return shapes;
}

TEST(WindowShape, TheOutlineScalesWithTheDpiAndIsTheDesignsAt96) {
    // Whole shapes: the design's pixels, and at 150 % each times 1.5, halves
    // up (52.5 to 53, 436.5 to 437, 877.5 to 878).
    const struct {
        int dpi;
        std::array<Point, 12> notch;
        Point outlineBottomRight;
    } shapes[] = {
        {96,
         {{{0, 296}, {16, 290}, {35, 296}, {59, 291}, {80, 297}, {100, 292}, {112, 296},
           {132, 291}, {143, 296}, {159, 291}, {166, 296}, {0, 296}}},
         {585, 368}},
        {144,
         {{{0, 444}, {24, 435}, {53, 444}, {89, 437}, {120, 446}, {150, 438}, {168, 444},
           {198, 437}, {215, 444}, {239, 437}, {249, 444}, {0, 444}}},
         {878, 552}},
    };
    for (const auto& expected : shapes) {
        const NotchedOutline shape = NotchedOutlineAt(expected.dpi);
        for (std::size_t i = 0; i < expected.notch.size(); ++i) {
            EXPECT_EQ(shape.notch[i].x, expected.notch[i].x) << expected.dpi << " vertex " << i;
            EXPECT_EQ(shape.notch[i].y, expected.notch[i].y) << expected.dpi << " vertex " << i;
        }
        EXPECT_EQ(shape.outlineBottomRight.x, expected.outlineBottomRight.x) << expected.dpi;
        EXPECT_EQ(shape.outlineBottomRight.y, expected.outlineBottomRight.y) << expected.dpi;
    }

    const struct {
        int dpi, right, bottom, x1, y1, y4;
    } rows[] = {
        {120, 731, 460, 20, 363, 371},   // 125 %: 731.25 and 362.5 round down and up
        {192, 1170, 736, 32, 580, 594},  // 200 %
        {0, 585, 368, 16, 290, 297},     // the system could not tell: the design's
        {-144, 585, 368, 16, 290, 297},
    };
    for (const auto& row : rows) {
        const NotchedOutline shape = NotchedOutlineAt(row.dpi);
        EXPECT_EQ(shape.outlineBottomRight.x, row.right) << row.dpi;
        EXPECT_EQ(shape.outlineBottomRight.y, row.bottom) << row.dpi;
        EXPECT_EQ(shape.notch[1].x, row.x1) << row.dpi;
        EXPECT_EQ(shape.notch[1].y, row.y1) << row.dpi;
        EXPECT_EQ(shape.notch[4].y, row.y4) << row.dpi;
    }
    // However large, the arithmetic neither overflows nor runs past what it holds to.
    const NotchedOutline huge = NotchedOutlineAt(2'000'000'000);
    EXPECT_EQ(huge.outlineBottomRight.x, 58500);
    EXPECT_EQ(huge.outlineBottomRight.y, 36800);
}

TEST(WindowShape, AWindowAtAnotherDpiTakesItsRegionScaledByTheSameCalls) {
    InProcessWindowSystem ws;
    const Hwnd form = ws.AddWindow(0, "form");
    ScopedWindowSystem installed(ws);

    ApplyNotchedRegion(form, 144);
    ApplyNotchedRegion(form, 192);
    ApplyNotchedRegion(form, 0);  // the system could not tell: the design's
    EXPECT_EQ(AppliedShapes(ws),
              (std::vector<std::vector<std::int64_t>>{{878, 552, 24, 435, 120, 446, 249},
                                                      {1170, 736, 32, 580, 160, 594, 332},
                                                      {585, 368, 16, 290, 80, 297, 166}}));
    // Each time by the same seven calls; the window holds the last.
    const std::vector<std::string> names = Operations(ws);
    ASSERT_EQ(names.size(), 21u);
    for (std::size_t i = 7; i < names.size(); ++i) EXPECT_EQ(names[i], names[i - 7]) << i;
    const Hrgn region = ws.WindowRegion(form);
    EXPECT_TRUE(ws.RegionContains(region, 584, 367));
    EXPECT_FALSE(ws.RegionContains(region, 16, 293));
}

TEST(WindowShape, WithNoWindowSystemNothingHappens) {
    MakeTopmost(0x100);
    ApplyNotchedRegion(0x100);
}

}  // namespace
}  // namespace hueloom
