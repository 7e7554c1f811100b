// A window system kept in this process: a tree of windows with class names,
// titles and children in front-to-back order, looked up with the host's rules.
// Tests record through it; where the host window system does not exist, the
// program hosts its own window and a stand-in chat client in it.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/window_system.h"

namespace hueloom {

// What a window does with the calls aimed at it. Any of them may be empty;
// each defaults to empty so a designated initialiser may name just one.
struct WindowCallbacks {
    // Receives every message sent to the window; for kWmSetText, lParam points
    // to a NUL-terminated ANSI string valid for the length of the call.
    std::function<std::intptr_t(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam)>
        onMessage = {};
    std::function<void(Hwnd insertAfter, std::uint32_t flags)> onSetWindowPos = {};
    // The region stays the window system's; read it with RegionContains.
    std::function<void(Hrgn region)> onSetWindowRgn = {};
};

// One call of the WindowSystem interface, as made. Handles and numbers in
// args, in the order the call takes them; strings (class name, title, the
// text of kWmSetText) in texts, a null title as "(null)".
// Handles are recorded as their unsigned 32-bit value (kHwndTopmost as
// 0xFFFFFFFF), a bool as 0 or 1. For kWmSetText the string takes the place of
// lParam: args holds window, message and wParam only, texts the string
// ("(null)" for a null lParam).
struct RecordedCall {
    std::string operation = {};  // "FindWindowA", "SendMessageA", "CombineRgn", ...
    std::vector<std::int64_t> args = {};
    std::vector<std::string> texts = {};
    std::vector<Point> points = {};  // CreatePolygonRgn only
};

// Tests read every call back; a program leaves recording off, so that a long
// session does not keep every line it ever sent.
enum class CallRecording { kOn, kOff };

class InProcessWindowSystem : public WindowSystem {
  public:
    explicit InProcessWindowSystem(CallRecording recording = CallRecording::kOn);
    ~InProcessWindowSystem() override;
    // Handlers and installations refer to it by address: it stays where it is.
    InProcessWindowSystem(const InProcessWindowSystem&) = delete;
    InProcessWindowSystem& operator=(const InProcessWindowSystem&) = delete;

    // A new window in front of its siblings (parent 0: a top-level window).
    // Not named CreateWindow: <windows.h> makes that name a macro.
    // 0 when the parent is not a window.
    Hwnd AddWindow(Hwnd parent, std::string_view className, std::string_view title = {},
                   WindowCallbacks callbacks = {});
    // Removes the window and its children; their handles find nothing afterwards.
    void DestroyWindow(Hwnd window);
    void BringToFront(Hwnd window);
    bool IsWindow(Hwnd window) const;
    Hwnd Parent(Hwnd window) const;
    std::vector<Hwnd> Children(Hwnd parent) const;  // front to back; 0 for the top level
    std::string ClassName(Hwnd window) const;       // as created; empty for no window
    std::string Title(Hwnd window) const;           // empty for no window
    // What a window without onMessage does with a message: kWmSetText sets
    // its title and answers 1; everything else answers 0. A handler may call
    // it to get the same treatment.
    std::intptr_t DefaultMessage(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                                 std::intptr_t lParam);

    // How many regions exist: created and not deleted.
    std::size_t RegionCount() const { return regions_.size(); }
    // Whether the region holds the pixel (x, y); false for an unknown region.
    // Rectangles leave out their right and bottom edges. A polygon holds a
    // pixel when the pixel's centre (x + 0.5, y + 0.5) lies inside under its
    // fill mode (1 alternate: even-odd; 2 winding: non-zero); a centre exactly
    // on a slanted edge counts as inside for a left edge and outside for a
    // right edge, so an upright rectangular polygon holds the same pixels as
    // the rectangle. CombineRgn modes: 1 and, 2 or, 3 xor, 4 diff (first minus
    // second), 5 copy; the destination takes a snapshot, so later changes to
    // the sources leave it alone. Coordinates are clamped to +-2^27.
    bool RegionContains(Hrgn region, int x, int y) const;
    // The region last given to the window by SetWindowRgn, 0 for none.
    Hrgn WindowRegion(Hwnd window) const;
    // Whether SetWindowPos last put the window into the topmost band
    // (kHwndTopmost sets it; HWND_NOTOPMOST (-2) and HWND_BOTTOM (1) clear it).
    // Being topmost is a mark only: it does not hold the window in front.
    bool IsTopmost(Hwnd window) const;

    // Empty when recording is off.
    const std::vector<RecordedCall>& calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }

    Hwnd FindWindowA(const char* className, const char* windowName) override;
    Hwnd FindWindowExA(Hwnd parent, Hwnd childAfter, const char* className,
                       const char* windowName) override;
    std::intptr_t SendMessageA(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                               std::intptr_t lParam) override;
    bool SetWindowPos(Hwnd window, Hwnd insertAfter, int x, int y, int cx, int cy,
                      std::uint32_t flags) override;
    Hrgn CreatePolygonRgn(const Point* points, int count, int fillMode) override;
    Hrgn CreateRectRgn(int left, int top, int right, int bottom) override;
    int CombineRgn(Hrgn destination, Hrgn source1, Hrgn source2, int mode) override;
    int SetWindowRgn(Hwnd window, Hrgn region, bool redraw) override;
    // Forgets the region; false for an unknown one or one a window holds.
    bool DeleteObject(Hrgn region) override;

  private:
    struct Window;
    struct Region;
    Window* Find(Hwnd window) const;
    // The child list that holds windows under parent; null for no such parent.
    std::vector<Hwnd>* Siblings(Hwnd parent);
    const Region* FindRegion(Hrgn region) const;
    Hrgn AddRegion(std::shared_ptr<const Region> region);
    void Record(std::string operation, std::vector<std::int64_t> args,
                std::vector<std::string> texts = {}, std::vector<Point> points = {});

    std::map<Hwnd, std::unique_ptr<Window>> windows_;
    std::vector<Hwnd> topLevel_;  // front to back
    std::map<Hrgn, std::shared_ptr<const Region>> regions_;
    std::vector<RecordedCall> calls_;
    CallRecording recording_;
    std::uint32_t nextHandle_ = 0x100;
};

}  // namespace hueloom
