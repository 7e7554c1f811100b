// The main window's topmost band and notched region, through the window system.
#include "host/window_shape.h"

namespace hueloom {

void MakeTopmost(Hwnd window) {
    CurrentWindowSystem().SetWindowPos(window, kHwndTopmost, 0, 0, 0, 0, kSwpNoMove | kSwpNoSize);
}

void ApplyNotchedRegion(Hwnd window) {
    WindowSystem& host = CurrentWindowSystem();
    const Hrgn notch = host.CreatePolygonRgn(
        kNotchPolygon.data(), static_cast<int>(kNotchPolygon.size()), kFillAlternate);
    const Hrgn combined = host.CreateRectRgn(0, 0, 0, 0);
    const Hrgn outline = host.CreateRectRgn(0, 0, kOutlineBottomRight.x, kOutlineBottomRight.y);
    host.CombineRgn(combined, outline, notch, kRgnDiff);
    // The window system owns the applied region from here on; the sources are done with.
    host.SetWindowRgn(window, combined, true);
    host.DeleteObject(outline);
    host.DeleteObject(notch);
}

}  // namespace hueloom
