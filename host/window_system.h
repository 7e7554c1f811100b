// The host window system: finding other programs' windows, sending them
// messages, and shaping our own window. Named and typed as the host names them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace hueloom {

using Hwnd = std::uint32_t;  // 32-bit window handle, 0 for none
using Hrgn = std::uint32_t;  // 32-bit region handle, 0 for none

struct Point {
    int x;
    int y;
};

// Message numbers and flag values of the host. Named apart from the host's
// own macros so that this header and <windows.h> can meet.
inline constexpr std::uint32_t kWmSetText = 0x000C;
inline constexpr std::uint32_t kWmKeyUp = 0x0101;
inline constexpr std::uint32_t kWmChar = 0x0102;
inline constexpr std::uint32_t kWmLButtonDown = 0x0201;
inline constexpr Hwnd kHwndTopmost = static_cast<Hwnd>(-1);
inline constexpr Hwnd kHwndNoTopmost = static_cast<Hwnd>(-2);
inline constexpr std::uint32_t kSwpNoSize = 0x0001;
inline constexpr std::uint32_t kSwpNoMove = 0x0002;
inline constexpr int kFillAlternate = 1;
inline constexpr int kRgnDiff = 4;

class WindowSystem {
  public:
    virtual ~WindowSystem() = default;

    // A null windowName matches any title; class names match without regard to case.
    virtual Hwnd FindWindowA(const char* className, const char* windowName) = 0;
    virtual Hwnd FindWindowExA(Hwnd parent, Hwnd childAfter, const char* className,
                               const char* windowName) = 0;
    // For kWmSetText, lParam points to a NUL-terminated ANSI string.
    virtual std::intptr_t SendMessageA(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                                       std::intptr_t lParam) = 0;
    virtual bool SetWindowPos(Hwnd window, Hwnd insertAfter, int x, int y, int cx, int cy,
                              std::uint32_t flags) = 0;
    virtual Hrgn CreatePolygonRgn(const Point* points, int count, int fillMode) = 0;
    virtual Hrgn CreateRectRgn(int left, int top, int right, int bottom) = 0;
    virtual int CombineRgn(Hrgn destination, Hrgn source1, Hrgn source2, int mode) = 0;
    virtual int SetWindowRgn(Hwnd window, Hrgn region, bool redraw) = 0;
    // Frees a region the program no longer needs; never one given to a window.
    virtual bool DeleteObject(Hrgn region) = 0;

    // Called by the chat link once per line, before the line's first call: a
    // window system that reaches chat clients in more than one place chooses
    // here where this line goes, and may refuse it. The host has one place.
    virtual void ChooseRouteForLine() {}
    // Called once the line's last call is made, or a call of it failed: a
    // line sent during another's yields ends here, and the other's route resumes.
    virtual void EndOfLine() noexcept {}

    // Text for the 8-bit calls, in the host's ANSI code page. Where the host
    // has none of its own: Windows-1252, with '?' for every code unit the page
    // cannot represent (each half of a surrogate pair included).
    virtual std::string ToAnsiCodePage(std::u16string_view text);
};

// A window system that holds none of the program's windows, only chat
// clients to reach: placing and shaping a window there does nothing, and no
// region is made (false, 0).
class ChatOnlyWindowSystem : public WindowSystem {
  public:
    bool SetWindowPos(Hwnd, Hwnd, int, int, int, int, std::uint32_t) override { return false; }
    Hrgn CreatePolygonRgn(const Point*, int, int) override { return 0; }
    Hrgn CreateRectRgn(int, int, int, int) override { return 0; }
    int CombineRgn(Hrgn, Hrgn, Hrgn, int) override { return 0; }
    int SetWindowRgn(Hwnd, Hrgn, bool) override { return 0; }
    bool DeleteObject(Hrgn) override { return false; }
};

// The window system installed now. With none installed it is one where every
// look-up finds nothing and every message goes nowhere.
WindowSystem& CurrentWindowSystem();

// Installs a window system for its lifetime and puts back the one before.
class ScopedWindowSystem {
  public:
    explicit ScopedWindowSystem(WindowSystem& windowSystem);
    ~ScopedWindowSystem();
    ScopedWindowSystem(const ScopedWindowSystem&) = delete;
    ScopedWindowSystem& operator=(const ScopedWindowSystem&) = delete;

  private:
    WindowSystem* previous_;
};

}  // namespace hueloom
