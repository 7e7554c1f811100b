// hueloom.exe's start: its window found, in the topmost band, shaped for the
// dpi, laid out where the design says and whole on the screen.
#include <cstdio>

#include "app/form1_design.h"
#include "host/window_shape.h"
#include "window_checks.h"

namespace hueloom::driver {
namespace {

// The notch's first tip and the outline's right edge, at the dpi as the
// program scales them: inside the notch is outside the region, just above the
// tip inside it, and the outline's last column in, the next one out.
bool NotchedAsDesigned(HRGN region, int dpi) {
    const NotchedOutline shape = NotchedOutlineAt(dpi);
    const Point tip = shape.notch[1];
    const int depth = shape.notch[0].y - tip.y;
    const Point corner = shape.outlineBottomRight;
    const int nearTop = depth;
    return !::PtInRegion(region, tip.x, tip.y + depth / 2) &&
           ::PtInRegion(region, tip.x, tip.y - depth / 2) &&
           ::PtInRegion(region, corner.x - 1, nearTop) && !::PtInRegion(region, corner.x, nearTop);
}

// The client area's size and place on the screen, as "402x217 at 190,155".
std::string ClientPlace(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    char place[96];
    std::snprintf(place, sizeof place, "%ldx%ld at %ld,%ld", client.right, client.bottom, origin.x,
                  origin.y);
    return place;
}

}  // namespace

Form WaitForStart(int dpi) {
    Form form(WaitForWindow());
    Report(form.window != nullptr, "window \"Hueloom 2.0\" found");
    if (form.window == nullptr) return form;
    const HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    bool topmost = false;
    int regionType = ERROR;
    for (int tries = 0; tries < 600 && !(topmost && regionType != ERROR); ++tries) {
        topmost = (::GetWindowLongW(form.window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        regionType = ::GetWindowRgn(form.window, region);
        ::Sleep(50);
    }
    Report(topmost, "window topmost (WS_EX_TOPMOST)");
    Report(regionType == COMPLEXREGION && NotchedAsDesigned(region, dpi),
           "window region: the outline less the notch, at " + std::to_string(dpi) + " dpi");
    ::DeleteObject(region);
    return form;
}

void CheckClientPlace(const Form& form, int dpi) {
    const TwipsRect& design = kForm1.client;
    char wanted[96];
    std::snprintf(wanted, sizeof wanted, "%dx%d at %d,%d", TwipsToPixels(design.width, dpi),
                  TwipsToPixels(design.height, dpi), TwipsToPixels(design.left, dpi),
                  TwipsToPixels(design.top, dpi));
    const std::string place = ClientPlace(form.window);
    Report(place == wanted, std::string("client area ") + wanted, place == wanted ? "" : place);
}

// At each control's centre the screen finds the window (that control, or the
// label that overlaps fade3 by design), nothing behind it.
void CheckWhole(const Form& form) {
    RECT frame{};
    ::GetWindowRect(form.window, &frame);
    const HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    const HRGN window = ::CreateRectRgn(0, 0, frame.right - frame.left, frame.bottom - frame.top);
    const HRGN cut = ::CreateRectRgn(0, 0, 0, 0);
    const bool shaped = ::GetWindowRgn(form.window, region) != ERROR;
    const bool whole = shaped && ::CombineRgn(cut, window, region, RGN_DIFF) == NULLREGION;
    RECT lost{};
    ::GetRgnBox(cut, &lost);
    char detail[96] = "";
    if (!whole) {
        std::snprintf(detail, sizeof detail, "%ldx%ld window, cut off within %ld,%ld-%ld,%ld",
                      frame.right - frame.left, frame.bottom - frame.top, lost.left, lost.top,
                      lost.right, lost.bottom);
    }
    Report(whole, "the region leaves the whole window visible", detail);
    std::string hidden;
    for (const ControlDesign& design : Form1Controls()) {
        if (design.controlId == 0) continue;
        const HWND item = form.Item(design.controlId);
        RECT place{};
        ::GetWindowRect(item, &place);
        const POINT centre{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
        const HWND found = ::WindowFromPoint(centre);
        const bool inside =
            ::PtInRegion(region, place.left - frame.left, place.top - frame.top) &&
            ::PtInRegion(region, place.right - 1 - frame.left, place.bottom - 1 - frame.top);
        if (!inside || ::GetAncestor(found, GA_ROOT) != form.window) {
            hidden += ' ' + std::string(design.name);
        }
    }
    Report(hidden.empty(), "every control inside the region and found on the screen", hidden);
    ::DeleteObject(cut);
    ::DeleteObject(window);
    ::DeleteObject(region);
}

}  // namespace hueloom::driver
