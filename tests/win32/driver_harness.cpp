// The window driver's verdicts, pixels and waits, and its view of the window.
#include "driver_harness.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "app/form1_design.h"
#include "standin/win32/standin_log.h"
#include "win32/win32_window_system.h"

namespace hueloom::driver {
namespace {

int failures = 0;

int Distance(COLORREF a, COLORREF b) {
    return std::max({std::abs(GetRValue(a) - GetRValue(b)), std::abs(GetGValue(a) - GetGValue(b)),
                     std::abs(GetBValue(a) - GetBValue(b))});
}

}  // namespace

void Report(bool ok, const std::string& what, const std::string& detail) {
    if (!ok) ++failures;
    std::printf("%s %s%s%s\n", ok ? "ok" : "FAIL", what.c_str(), detail.empty() ? "" : ": ",
                detail.c_str());
    std::fflush(stdout);
}

int Finish() {
    std::printf("driver: %d failed\n", failures);
    return failures == 0 ? 0 : 1;
}

void ExpectPosted(std::u16string_view markup) {
    std::printf("posted [%s]\n", HexBytes(ToAnsiCodePage(markup)).c_str());
    std::fflush(stdout);
}

std::string ToAnsiCodePage(std::u16string_view text) {
    return Win32WindowSystem().ToAnsiCodePage(text);
}

void BecomeDpiAware() {
    const HMODULE user = ::GetModuleHandleW(L"user32.dll");
    using ContextFunction = BOOL(WINAPI*)(HANDLE);
    const auto perMonitor = reinterpret_cast<ContextFunction>(
        reinterpret_cast<void*>(::GetProcAddress(user, "SetProcessDpiAwarenessContext")));
    const auto kPerMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
    if (perMonitor != nullptr && perMonitor(kPerMonitorAwareV2)) return;
    using AwareFunction = BOOL(WINAPI*)();
    const auto aware = reinterpret_cast<AwareFunction>(
        reinterpret_cast<void*>(::GetProcAddress(user, "SetProcessDPIAware")));
    if (aware != nullptr) aware();
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

std::string Hex(COLORREF colour) {
    char text[16];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(colour), GetGValue(colour),
                  GetBValue(colour));
    return text;
}

std::string Narrow(std::u16string_view text) {
    std::string narrow;
    for (char16_t c : text) narrow += c < 0x80 ? static_cast<char>(c) : '?';
    return narrow;
}

COLORREF PixelOf(HWND control, int x, int y) {
    POINT point{x, y};
    ::ClientToScreen(control, &point);
    const HDC screen = ::GetDC(nullptr);
    const COLORREF colour = ::GetPixel(screen, point.x, point.y);
    ::ReleaseDC(nullptr, screen);
    return colour;
}

COLORREF CentreOf(HWND control) {
    RECT client{};
    ::GetClientRect(control, &client);
    return PixelOf(control, client.right / 2, client.bottom / 2);
}

bool ShowsColour(HWND control, COLORREF wanted) {
    for (int tries = 0; tries < 40; ++tries) {
        if (CentreOf(control) == wanted) return true;
        ::Sleep(50);
    }
    return false;
}

bool AreaHolds(HWND control, const RECT& area, COLORREF wanted, int tolerance) {
    for (int tries = 0; tries < 40; ++tries) {
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                if (Distance(PixelOf(control, x, y), wanted) <= tolerance) return true;
            }
        }
        ::Sleep(50);
    }
    return false;
}

void Settle() { ::Sleep(300); }

void SetText(HWND control, const std::u16string& text) {
    ::SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::u16string TextOf(HWND control) {
    const auto length = static_cast<std::size_t>(::SendMessageW(control, WM_GETTEXTLENGTH, 0, 0));
    std::u16string text(length + 1, u'\0');
    const auto copied = static_cast<std::size_t>(
        ::SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    text.resize(std::min(copied, length));
    return text;
}

HWND Form::Item(std::string_view name) const { return Item(FindControl(name)->controlId); }

HWND Form::Bar(int column, int component) const {
    return Item(Form1Columns()[static_cast<std::size_t>(column)].bars.at(component));
}

HWND Form::Swatch(int column) const {
    return Item(Form1Columns()[static_cast<std::size_t>(column)].swatch);
}

HWND WaitForWindow() {
    HWND window = nullptr;
    for (int tries = 0; tries < 600 && window == nullptr; ++tries) {
        window = ::FindWindowW(nullptr, L"Hueloom 2.0");
        if (window == nullptr) ::Sleep(50);
    }
    return window;
}

std::vector<std::pair<const ControlDesign*, HWND>> ControlWindows(const Form& form) {
    std::vector<std::pair<const ControlDesign*, HWND>> windows;
    for (const ControlDesign& design : Form1Controls()) {
        const HWND window = design.controlId != 0
                                ? form.Item(design.controlId)
                                : ::GetWindow(form.Item(design.container), GW_CHILD);
        windows.emplace_back(&design, window);
    }
    return windows;
}

HWND FocusOf(const Form& form) {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(form.window, nullptr), &thread);
    return thread.hwndFocus;
}

bool WaitUntilGone(HWND window) {
    for (int tries = 0; tries < 400 && ::IsWindow(window); ++tries) ::Sleep(50);
    return !::IsWindow(window);
}

bool CloseAndWait(const Form& form) {
    ::PostMessageW(form.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    return WaitUntilGone(form.window);
}

}  // namespace hueloom::driver
