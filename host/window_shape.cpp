// The main window's topmost band and notched region, through the window system.
#include "host/window_shape.h"

#include <algorithm>
#include <cstdint>

namespace hueloom {
namespace {

// Far beyond any display's (500 % is 480), and small enough that every scaled
// vertex stays well inside the coordinates the window system takes.
constexpr int kMostDpi = 96 * 100;

int UsableDpi(int dpi) { return dpi > 0 ? std::min(dpi, kMostDpi) : kDesignDpi; }

int Scaled(int pixels, int dpi) {
    const std::int64_t product = std::int64_t{pixels} * dpi;
    return static_cast<int>((product + kDesignDpi / 2) / kDesignDpi);
}

Point Scaled(Point point, int dpi) { return {Scaled(point.x, dpi), Scaled(point.y, dpi)}; }

}  // namespace

NotchedOutline NotchedOutlineAt(int dpi) {
    const int usable = UsableDpi(dpi);
    NotchedOutline shape{};
    std::transform(kNotchPolygon.begin(), kNotchPolygon.end(), shape.notch.begin(),
                   [usable](Point vertex) { return Scaled(vertex, usable); });
    shape.outlineBottomRight = Scaled(kOutlineBottomRight, usable);
    return shape;
}

void MakeTopmost(Hwnd window) {
    CurrentWindowSystem().SetWindowPos(window, kHwndTopmost, 0, 0, 0, 0, kSwpNoMove | kSwpNoSize);
}

void ApplyNotchedRegion(Hwnd window, int dpi) {
    const NotchedOutline shape = NotchedOutlineAt(dpi);
    WindowSystem& host = CurrentWindowSystem();
    const Hrgn notch = host.CreatePolygonRgn(shape.notch.data(),
                                             static_cast<int>(shape.notch.size()), kFillAlternate);
    const Hrgn combined = host.CreateRectRgn(0, 0, 0, 0);
    const Hrgn outline =
        host.CreateRectRgn(0, 0, shape.outlineBottomRight.x, shape.outlineBottomRight.y);
    host.CombineRgn(combined, outline, notch, kRgnDiff);
    // The window system owns the applied region from here on; the sources are done with.
    host.SetWindowRgn(window, combined, true);
    host.DeleteObject(outline);
    host.DeleteObject(notch);
}

}  // namespace hueloom
