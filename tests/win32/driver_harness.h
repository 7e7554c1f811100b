// The window driver's harness: verdicts, the lines the chat must get, the
// screen's pixels with waits, and hueloom.exe's window and controls.
#pragma once

// clang-format off
#include "win32/win32_messages.h"
// clang-format on

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/control_design.h"

namespace hueloom::driver {

inline constexpr int kColumns = 10;

// Prints "ok WHAT" or "FAIL WHAT: DETAIL" and counts the failures.
void Report(bool ok, const std::string& what, const std::string& detail = {});
// Prints the failure count; the driver's exit status.
int Finish();
// The chat must get this line next, in the code page's bytes.
void ExpectPosted(std::u16string_view markup);
// The bytes the program sends for a text: the system's own conversion.
std::string ToAnsiCodePage(std::u16string_view text);

// Sees every window in the screen's own pixels, as the per-monitor aware program
// lays itself out, never through the system's scaling for older programs.
void BecomeDpiAware();

std::string ClassOf(HWND window);
std::string Hex(COLORREF colour);
// Letters outside ASCII as '?', for verdict lines.
std::string Narrow(std::u16string_view text);

// What the screen shows at a point of the control's client area, and at its centre.
COLORREF PixelOf(HWND control, int x, int y);
COLORREF CentreOf(HWND control);
// Waits up to two seconds for the program to paint the wanted colour.
bool ShowsColour(HWND control, COLORREF wanted);
// Some pixel of the area within `tolerance` of the colour, waiting up to two seconds.
bool AreaHolds(HWND control, const RECT& area, COLORREF wanted, int tolerance);
void Settle();

// Another program's control text goes by message: GetWindowText would not ask it.
void SetText(HWND control, const std::u16string& text);
std::u16string TextOf(HWND control);

// The window's controls, found as GetDlgItem finds them, by the design's identifiers.
struct Form {
    HWND window = nullptr;

    explicit Form(HWND w) : window(w) {}
    HWND Item(int id) const { return ::GetDlgItem(window, id); }
    HWND Item(std::string_view name) const;
    // The colour columns' controls, column 1 as 0; component 0 red, 1 green, 2 blue.
    HWND Bar(int column, int component) const;
    HWND Swatch(int column) const;
    // As the system reports a bar's or the slider's move to the window.
    void Scroll(HWND control, UINT message, int code, int position = 0) const {
        ::SendMessageW(window, message, MAKEWPARAM(code, position),
                       reinterpret_cast<LPARAM>(control));
    }
    void Key(HWND control, WPARAM key) const { ::SendMessageW(control, WM_KEYDOWN, key, 1); }
    void Click(std::string_view name) const { ::SendMessageW(Item(name), BM_CLICK, 0, 0); }
};

// Waits up to thirty seconds for hueloom.exe's window; null when it never shows.
HWND WaitForWindow();
// The design's controls with their windows: by identifier, and the thin boxes
// as the child of the swatch that holds them.
std::vector<std::pair<const ControlDesign*, HWND>> ControlWindows(const Form& form);
HWND FocusOf(const Form& form);
bool WaitUntilGone(HWND window);
// Closes the window with the system's close command and waits for it to go.
bool CloseAndWait(const Form& form);

}  // namespace hueloom::driver
