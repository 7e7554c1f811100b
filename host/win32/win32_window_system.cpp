// The host window system on Windows, each call passed to user32 or gdi32.
#include "host/win32/win32_window_system.h"

#include <vector>

#include "host/win32/win32_handles.h"

namespace hueloom {

using detail::NativeRegion;
using detail::NativeWindow;
using detail::NeutralRegion;
using detail::NeutralWindow;

Hwnd Win32WindowSystem::FindWindowA(const char* className, const char* windowName) {
    return NeutralWindow(::FindWindowA(className, windowName));
}

Hwnd Win32WindowSystem::FindWindowExA(Hwnd parent, Hwnd childAfter, const char* className,
                                      const char* windowName) {
    return NeutralWindow(
        ::FindWindowExA(NativeWindow(parent), NativeWindow(childAfter), className, windowName));
}

std::intptr_t Win32WindowSystem::SendMessageA(Hwnd window, std::uint32_t message,
                                              std::uintptr_t wParam, std::intptr_t lParam) {
    // The system delivers a message to handle 0 nowhere, as the interface promises.
    return ::SendMessageA(NativeWindow(window), message, wParam, lParam);
}

bool Win32WindowSystem::SetWindowPos(Hwnd window, Hwnd insertAfter, int x, int y, int cx, int cy,
                                     std::uint32_t flags) {
    return ::SetWindowPos(NativeWindow(window), NativeWindow(insertAfter), x, y, cx, cy, flags) !=
           FALSE;
}

Hrgn Win32WindowSystem::CreatePolygonRgn(const Point* points, int count, int fillMode) {
    std::vector<POINT> vertices;
    if (points != nullptr && count > 0) {
        vertices.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            vertices.push_back(POINT{points[i].x, points[i].y});
        }
    }
    return NeutralRegion(
        ::CreatePolygonRgn(vertices.data(), static_cast<int>(vertices.size()), fillMode));
}

Hrgn Win32WindowSystem::CreateRectRgn(int left, int top, int right, int bottom) {
    return NeutralRegion(::CreateRectRgn(left, top, right, bottom));
}

int Win32WindowSystem::CombineRgn(Hrgn destination, Hrgn source1, Hrgn source2, int mode) {
    return ::CombineRgn(NativeRegion(destination), NativeRegion(source1), NativeRegion(source2),
                        mode);
}

int Win32WindowSystem::SetWindowRgn(Hwnd window, Hrgn region, bool redraw) {
    return ::SetWindowRgn(NativeWindow(window), NativeRegion(region), redraw ? TRUE : FALSE);
}

bool Win32WindowSystem::DeleteObject(Hrgn region) {
    return ::DeleteObject(NativeRegion(region)) != FALSE;
}

}  // namespace hueloom
