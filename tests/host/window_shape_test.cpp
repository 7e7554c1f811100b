// The main window's topmost band and notched region, as the window system sees them.
#include "host/window_shape.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/inprocess/in_process_window_system.h"

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

TEST(WindowShape, WithNoWindowSystemNothingHappens) {
    MakeTopmost(0x100);
    ApplyNotchedRegion(0x100);
}

}  // namespace
}  // namespace hueloom
