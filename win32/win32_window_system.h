// The host window system on Windows: every call goes straight to the system's own.
#pragma once

#include "host/window_system.h"

namespace hueloom {

// Handles cross between the neutral 32-bit form and the system's pointer-sized
// one here, sign-extended as the system itself widens them.
class Win32WindowSystem final : public WindowSystem {
  public:
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
    bool DeleteObject(Hrgn region) override;
    // The system's own conversion: a character the code page lacks becomes a
    // near letter where the system has one, else the code page's '?'.
    std::string ToAnsiCodePage(std::u16string_view text) override;
};

}  // namespace hueloom
