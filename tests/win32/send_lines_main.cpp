// Sends lines into the chat client through the real window system, then gives a
// window of its own the main window's topmost band and region and reads them back.
//
//   hueloom_send_lines [LINE...]      a backslash and a zero (\0) in a line stand for NUL
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
// clang-format off
#include <windows.h>
#include <shellapi.h>  // after <windows.h>, whose types it uses
// clang-format on

#include <cstdio>
#include <string>
#include <vector>

#include "app/form1_design.h"
#include "chatlink/chatlink.h"
#include "host/toolkit.h"
#include "host/window_shape.h"
#include "win32/win32_handles.h"
#include "win32/win32_toolkit.h"
#include "win32/win32_window_system.h"

namespace hueloom {
namespace {

// A margin round the outline, so the points beyond it still lie on the window.
constexpr int kWindowWidth = kOutlineBottomRight.x + 15;
constexpr int kWindowHeight = kOutlineBottomRight.y + 32;

struct Probe {
    const char* where;
    Point at;
};

// Inside the notch below its first tip, just above the tip, right of the
// notch's last vertex, right of the outline, below the outline.
std::vector<Probe> Probes() {
    const Point tip = kNotchPolygon[1];
    const int depth = kNotchPolygon[0].y - tip.y;
    return {{"inside the notch", {tip.x, tip.y + depth / 2}},
            {"above the notch", {tip.x, tip.y - depth / 2}},
            {"beside the notch", {kNotchPolygon[10].x + 1, tip.y + depth / 2}},
            {"right of the outline", {kOutlineBottomRight.x, depth}},
            {"below the outline", {depth, kOutlineBottomRight.y}}};
}

// A command line cannot carry a NUL, so lines spell it as backslash, zero.
std::u16string WithNuls(std::u16string line) {
    for (std::size_t at = line.find(u"\\0"); at != std::u16string::npos;
         at = line.find(u"\\0", at + 1)) {
        line.replace(at, 2, 1, u'\0');
    }
    return line;
}

std::vector<std::u16string> WideArguments() {
    std::vector<std::u16string> arguments;
    int count = 0;
    LPWSTR* words = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (words == nullptr) return arguments;
    for (int i = 1; i < count; ++i) {
        arguments.push_back(WithNuls(reinterpret_cast<const char16_t*>(words[i])));
    }
    ::LocalFree(words);
    return arguments;
}

HWND CreateOwnWindow() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"HueloomSendLines";
    ::RegisterClassW(&windowClass);
    // Where the main window's design puts it.
    const HWND window = ::CreateWindowExW(
        0, windowClass.lpszClassName, L"Hueloom 2.0", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
        TwipsToPixels(kForm1.client.left), TwipsToPixels(kForm1.client.top), kWindowWidth,
        kWindowHeight, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (window != nullptr) ::ShowWindow(window, SW_SHOWNORMAL);
    return window;
}

bool IsTopmost(HWND window) {
    return (::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void ReportShape(HWND window) {
    const bool before = IsTopmost(window);
    MakeTopmost(detail::NeutralWindow(window));
    std::printf("topmost before=%s after=%s\n", before ? "yes" : "no",
                IsTopmost(window) ? "yes" : "no");

    ApplyNotchedRegion(detail::NeutralWindow(window));
    const HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    const int type = ::GetWindowRgn(window, region);
    std::printf("region type=%s\n", type == COMPLEXREGION  ? "complex"
                                    : type == SIMPLEREGION ? "simple"
                                    : type == NULLREGION   ? "empty"
                                                           : "none");
    for (const Probe& probe : Probes()) {
        std::printf("pixel %s %s\n", probe.where,
                    ::PtInRegion(region, probe.at.x, probe.at.y) ? "in" : "out");
    }
    ::DeleteObject(region);
}

}  // namespace
}  // namespace hueloom

int main() {
    using namespace hueloom;
    const HWND window = CreateOwnWindow();
    if (window == nullptr) {
        std::fprintf(stderr, "send lines: cannot create a window\n");
        return 1;
    }
    Win32WindowSystem windowSystem;
    Win32Toolkit toolkit;
    ScopedWindowSystem installedWindowSystem(windowSystem);
    ScopedToolkit installedToolkit(toolkit);

    const std::vector<std::u16string> lines = WideArguments();
    for (const std::u16string& line : lines) SendChatLine(line);
    std::printf("sent %zu lines\n", lines.size());

    // As the main window does after its announcement.
    ReportShape(window);
    std::fflush(stdout);
    ::DestroyWindow(window);
    return 0;
}
