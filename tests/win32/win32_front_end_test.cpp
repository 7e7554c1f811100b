// What the end-to-end check cannot reach in the Win32 front end: the scroll
// codes' mapping to Scroll and Change, the GDI surface's measures and
// drawing, and how often DoEvents asks the queue. A self-checking program, run under Wine by tools/windows_check.sh.
#include <cmath>
#include <cstdio>
#include <vector>

#include "host/window_shape.h"
#include "preview/render.h"
#include "win32/win32_drawing_surface.h"
#include "win32/win32_form_window.h"
#include "win32/win32_scroll_bar.h"
#include "win32/win32_toolkit.h"
#include "win32/win32_window_system.h"

namespace hueloom {
namespace {

int passed = 0, failed = 0;

void Check(bool ok, const char* what) {
    ++(ok ? passed : failed);
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what);
}

using enum Notification;
using Raised = std::optional<Notification>;

void ScrollCodes() {
    const ControlDesign bar{ControlKind::kScrollBar, "bar", {}, {}, {}, 0, 255, 1, 10};
    ScrollMoves moves(bar);
    Check(moves.Apply(SB_THUMBTRACK, 40) == Raised(kScroll) && moves.value() == 40,
          "a thumb drag sets the value and raises Scroll");
    Check(moves.Apply(SB_THUMBTRACK, 40) == std::nullopt,
          "a drag that moves nothing raises nothing");
    Check(moves.Apply(SB_THUMBPOSITION, 40) == Raised(kChange),
          "the end of a drag raises Change against where it began");
    moves.Apply(SB_THUMBTRACK, 90);
    Check(moves.Apply(SB_THUMBTRACK, 40) == Raised(kScroll) &&
              moves.Apply(SB_THUMBPOSITION, 40) == std::nullopt,
          "a drag back to its start ends with no Change");
    moves.Apply(SB_THUMBTRACK, 70);
    Check(moves.Apply(SB_ENDSCROLL, 0) == Raised(kChange) && moves.value() == 70,
          "a drag closed without its position still raises Change");
    Check(moves.Apply(SB_ENDSCROLL, 0) == std::nullopt, "SB_ENDSCROLL after a move raises nothing");
    Check(moves.Apply(SB_LINEDOWN, 0) == Raised(kChange) && moves.value() == 71 &&
              moves.Apply(SB_PAGEUP, 0) == Raised(kChange) && moves.value() == 61,
          "arrows and the track move by the small and large change, raising Change");
    Check(moves.Apply(SB_BOTTOM, 0) == Raised(kChange) && moves.value() == 255 &&
              moves.Apply(SB_LINEDOWN, 0) == std::nullopt && moves.value() == 255,
          "moves stop at the end of the range, raising nothing there");
    moves.Apply(SB_TOP, 0);
    Check(moves.Apply(SB_THUMBTRACK, 60000) == Raised(kScroll) && moves.value() == 255 &&
              moves.Apply(SB_THUMBPOSITION, 60000) == Raised(kChange) && moves.value() == 255,
          "a thumb position outside the range is held to it");
}

struct TestWindow {
    HWND handle = ::CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 200, 40, nullptr, nullptr,
                                    ::GetModuleHandleW(nullptr), nullptr);
    ~TestWindow() { ::DestroyWindow(handle); }
};

// A memory bitmap the size of the test window, as the picture box paints onto.
struct Canvas {
    HDC dc = ::CreateCompatibleDC(nullptr);
    HBITMAP bitmap;
    int width;
    explicit Canvas(int w = 200) : width(w) {
        const HDC screen = ::GetDC(nullptr);
        bitmap = ::CreateCompatibleBitmap(screen, width, 40);
        ::ReleaseDC(nullptr, screen);
        ::SelectObject(dc, bitmap);
    }
    ~Canvas() {
        ::DeleteDC(dc);
        ::DeleteObject(bitmap);
    }
    std::vector<COLORREF> Pixels() const {
        std::vector<COLORREF> pixels;
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < width; ++x) pixels.push_back(::GetPixel(dc, x, y));
        }
        return pixels;
    }
};

// What the surface shows, copied out as the picture box paints it.
std::vector<COLORREF> PixelsOf(GdiDrawingSurface& surface, int width = 200) {
    Canvas canvas(width);
    surface.PaintOnto(canvas.dc, RECT{0, 0, width, 40});
    return canvas.Pixels();
}

COLORREF Shown(GdiDrawingSurface& surface, int x, int y) {
    return PixelsOf(surface)[static_cast<std::size_t>(200 * y + x)];
}

void Surface() {
    TestWindow window;
    COLORREF back = RGB(10, 200, 30);
    GdiDrawingSurface surface(window.handle, back);
    surface.SetScaleMode(kScaleModePixels);
    surface.SetFontName(u"Arial");
    surface.SetFontSize(10);

    LOGFONTW arial{};
    arial.lfHeight = -static_cast<LONG>(std::lround(10.0 * 96 / 72));
    std::wcscpy(arial.lfFaceName, L"Arial");
    const HDC screen = ::GetDC(nullptr);
    const HFONT font = ::CreateFontIndirectW(&arial);
    ::SelectObject(screen, font);
    SIZE extent{};
    ::GetTextExtentPoint32W(screen, L"Wide", 4, &extent);
    ::ReleaseDC(nullptr, screen);
    ::DeleteObject(font);
    Check(surface.TextWidth(u"Wide") == static_cast<float>(extent.cx),
          "TextWidth in pixels: the font's real advances at 10 points");
    Check(surface.TextWidth(u"W") + surface.TextWidth(u"i") + surface.TextWidth(u"d") +
                  surface.TextWidth(u"e") ==
              surface.TextWidth(u"Wide"),
          "one character at a time adds up to the whole");
    const float normal = surface.TextWidth(u"W");
    const float regularRun = surface.TextWidth(u"mmmm");
    surface.SetFontBold(true);
    Check(surface.TextWidth(u"mmmm") > regularRun, "bold measures with the bold face");
    surface.SetFontBold(false);
    surface.SetScaleMode(kScaleModeTwips);
    Check(surface.TextWidth(u"W") == normal * 15, "in twips: 15 to the pixel at 96 dpi");

    surface.SetScaleMode(kScaleModePixels);
    surface.SetCurrentX(150);
    surface.Cls();
    Check(Shown(surface, 0, 0) == back && Shown(surface, 199, 39) == back,
          "Cls fills with the background");
    surface.SetForeColor(RGB(0, 0, 255));
    surface.SetFontSize(20);
    surface.Print(u"\u2588\u2588");  // from (0, 0): Cls put the pen back
    Check(Shown(surface, 4, 14) == RGB(0, 0, 255) && Shown(surface, 120, 14) == back,
          "Print draws from the origin after Cls, text on a transparent ground");
    surface.SetFontName(std::u16string(200, u'q') + u'\0' + u"tail");
    surface.Print(u"x");
    Check(surface.TextWidth(u"x") > 0, "a face name too long, with a NUL inside, still draws");
}

// Paints after every Print, so that no two characters are ever drawn together.
class PaintedEachTime final : public DrawingSurface {
  public:
    explicit PaintedEachTime(GdiDrawingSurface& surface) : surface_(surface) {}
    std::int16_t ScaleMode() override { return surface_.ScaleMode(); }
    void SetScaleMode(std::int16_t mode) override { surface_.SetScaleMode(mode); }
    void SetFontName(std::u16string_view name) override { surface_.SetFontName(name); }
    void SetFontSize(float points) override { surface_.SetFontSize(points); }
    void SetFontBold(bool on) override { surface_.SetFontBold(on); }
    void SetFontItalic(bool on) override { surface_.SetFontItalic(on); }
    void SetFontUnderline(bool on) override { surface_.SetFontUnderline(on); }
    void SetFontStrikethru(bool on) override { surface_.SetFontStrikethru(on); }
    void SetAutoRedraw(bool on) override { surface_.SetAutoRedraw(on); }
    void SetForeColor(std::int32_t colour) override { surface_.SetForeColor(colour); }
    void Cls() override { surface_.Cls(); }
    void SetCurrentX(float x) override { surface_.SetCurrentX(x); }
    void SetCurrentY(float y) override { surface_.SetCurrentY(y); }
    void Print(std::u16string_view text) override {
        surface_.Print(text);
        PixelsOf(surface_);
    }
    float TextWidth(std::u16string_view text) override { return surface_.TextWidth(text); }

  private:
    GdiDrawingSurface& surface_;
};

// Characters in one colour and font go out in one call; the pixels must be
// those of drawing each on its own, wherever colour, font, shift or line break a run.
void Runs() {
    const COLORREF back = RGB(250, 240, 200);
    TestWindow window, other;
    GdiDrawingSurface surface(window.handle, back), single(other.handle, back);
    PaintedEachTime eachTime(single);
    const std::u16string markup =
        u"<b><i><u>Wavy fjord, <Font Color=#C00000>Tiff <b>bold</b><Font Color=#0000C0> "
        u"blue<sup>up</sup>\r<s>struck</s> <Font Color=#00A000><font face=\"Courier New\">mono";
    RenderMarkup(surface, markup);
    RenderMarkup(eachTime, markup);
    Check(PixelsOf(surface) == PixelsOf(single),
          "runs drawn at once show the pixels of one character at a time");

    // The size is kept between reads: a grown window is drawn to its new edge once told.
    ::SetWindowPos(window.handle, nullptr, 0, 0, 300, 40, SWP_NOMOVE | SWP_NOZORDER);
    surface.RefreshMetrics();
    surface.SetScaleMode(kScaleModePixels);
    surface.SetCurrentX(250);
    surface.SetCurrentY(0);
    surface.SetFontSize(20);
    surface.Print(u"\u2588");
    Check(PixelsOf(surface, 300)[300 * 14 + 255] == RGB(0, 160, 0),
          "after the window grows the surface draws beyond its old edge");
}

// The right edge of the window's region, -1 when it has none.
int RegionRight(HWND window) {
    const HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    RECT box{-1, -1, -1, -1};
    if (::GetWindowRgn(window, region) != ERROR) ::GetRgnBox(region, &box);
    ::DeleteObject(region);
    return box.right;
}

// Wine has one dpi for the whole display, so a change of monitor cannot come
// for real: the message the system sends then is sent here by hand.
void DpiChange() {
    struct : FormEvents {
        void Activate() override {}
        bool CloseRequested() override { return true; }
    } events;
    Win32WindowSystem windows;
    ScopedWindowSystem installed(windows);
    Win32FormWindow window(FormDesign{"Form", u"Form", {0, 0, 3000, 1500}}, events);
    RECT suggested{0, 0, 900, 600};
    ::SendMessageW(window.handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                   reinterpret_cast<LPARAM>(&suggested));
    Check(RegionRight(window.handle()) == -1, "a window with no region is given none");
    ApplyNotchedRegion(window.hWnd(), window.Dpi());
    ::SendMessageW(window.handle(), WM_DPICHANGED, MAKEWPARAM(192, 192),
                   reinterpret_cast<LPARAM>(&suggested));
    Check(window.Dpi() == 192 && RegionRight(window.handle()) == 1170,
          "a change of dpi shapes the window anew at its new dpi");
}

// A clock the test moves by hand, and the posted messages DoEvents hands on.
std::int64_t now = 0;
int dispatched = 0;

void DoEventsAsksAtMostOnceAMillisecond() {
    Win32Toolkit toolkit([](MSG& message) { return message.message == WM_APP && ++dispatched; },
                         [] { return now; });
    const auto yieldAt = [&toolkit](std::int64_t at, bool post) {
        now = at;
        if (post) ::PostThreadMessageW(::GetCurrentThreadId(), WM_APP, 0, 0);
        toolkit.DoEvents();
        return dispatched;
    };
    Check(yieldAt(0, true) == 1, "the first DoEvents asks the queue and dispatches what waits");
    Check(yieldAt(400, true) == 1 && yieldAt(999, false) == 1,
          "within a millisecond of the last ask DoEvents does not ask again");
    Check(yieldAt(1000, false) == 2, "a millisecond after the last ask, a waiting message runs");
    Check(yieldAt(1500, true) == 2 && yieldAt(2000, false) == 3,
          "the millisecond counts from that ask");
    MSG left;
    Check(::PeekMessageW(&left, nullptr, WM_APP, WM_APP, PM_REMOVE) == FALSE,
          "nothing is left behind in the queue");
}

}  // namespace
}  // namespace hueloom

int main() {
    hueloom::ScrollCodes();
    hueloom::Surface();
    hueloom::Runs();
    hueloom::DpiChange();
    hueloom::DoEventsAsksAtMostOnceAMillisecond();
    std::printf("%d passed, %d failed\n", hueloom::passed, hueloom::failed);
    return hueloom::failed == 0 ? 0 : 1;
}
