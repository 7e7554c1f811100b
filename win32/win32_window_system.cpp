// The host window system on Windows, each call passed to user32 or gdi32.
#include "win32/win32_window_system.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "fade/characters.h"
#include "win32/win32_handles.h"

namespace hueloom {
namespace {

// The system counts in int, so very long text goes in pieces of this many code
// units, never split between the two halves of a surrogate pair.
constexpr std::size_t kPieceLength = std::size_t{1} << 28;

void AppendConverted(std::u16string_view piece, std::string& bytes) {
    const auto* wide = reinterpret_cast<const wchar_t*>(piece.data());
    const int length = static_cast<int>(piece.size());
    const int needed = ::WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) return;
    const std::size_t start = bytes.size();
    bytes.resize(start + static_cast<std::size_t>(needed));
    const int written = ::WideCharToMultiByte(CP_ACP, 0, wide, length, bytes.data() + start, needed,
                                              nullptr, nullptr);
    bytes.resize(start + static_cast<std::size_t>(std::max(written, 0)));
}

}  // namespace

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

std::string Win32WindowSystem::ToAnsiCodePage(std::u16string_view text) {
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    std::string bytes;
    while (!text.empty()) {
        std::size_t length = std::min(text.size(), kPieceLength);
        if (length < text.size() && IsHighSurrogate(text[length - 1])) --length;
        AppendConverted(text.substr(0, length), bytes);
        text.remove_prefix(length);
    }
    return bytes;
}

}  // namespace hueloom
