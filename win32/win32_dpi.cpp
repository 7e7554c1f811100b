// Dots per inch: the per-window calls where the system has them (Windows 10
// 1607 on), the screen's figure before that.
#include "win32/win32_dpi.h"

#include <cstddef>

namespace hueloom {
namespace {

template <typename Function>
Function UserFunction(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), name)));
}

// The metrics at the screen's dpi. Windows XP knows the structure without its
// last member (Vista on) and refuses the longer one whole.
bool ScreenMetrics(NONCLIENTMETRICSW& metrics) {
    metrics.cbSize = sizeof metrics;
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return true;
    metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
    return ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0) != FALSE;
}

}  // namespace

int ScreenDpi() {
    const HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

int DpiOf(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = UserFunction<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpiForWindow != nullptr && window != nullptr) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi > 0) return static_cast<int>(dpi);
    }
    return ScreenDpi();
}

RECT PixelRect(const TwipsRect& place, int dpi) {
    const int left = TwipsToPixels(place.left, dpi);
    const int top = TwipsToPixels(place.top, dpi);
    return RECT{left, top, left + TwipsToPixels(place.width, dpi),
                top + TwipsToPixels(place.height, dpi)};
}

RECT WindowRectForClient(const RECT& client, DWORD style, DWORD exStyle, int dpi) {
    using AdjustFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = UserFunction<AdjustFunction>("AdjustWindowRectExForDpi");
    RECT window = client;
    if (adjustForDpi != nullptr) {
        adjustForDpi(&window, style, FALSE, exStyle, static_cast<UINT>(dpi));
    } else {
        ::AdjustWindowRectEx(&window, style, FALSE, exStyle);
    }
    return window;
}

HFONT NewMessageFont(int dpi) {
    using ParametersFunction = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);
    static const auto parametersForDpi =
        UserFunction<ParametersFunction>("SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (parametersForDpi != nullptr && parametersForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics,
                                                        &metrics, 0, static_cast<UINT>(dpi))) {
        return ::CreateFontIndirectW(&metrics.lfMessageFont);
    }
    if (ScreenMetrics(metrics)) {
        // Given at the screen's dpi: scaled to the window's.
        metrics.lfMessageFont.lfHeight = ::MulDiv(metrics.lfMessageFont.lfHeight, dpi, ScreenDpi());
        return ::CreateFontIndirectW(&metrics.lfMessageFont);
    }
    return nullptr;
}

}  // namespace hueloom
