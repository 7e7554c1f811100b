// Dots per inch of a window and what follows from them (Win32 files only).
#pragma once

#include "host/control_design.h"
#include "win32/win32_handles.h"

namespace hueloom {

// The window's dots per inch (its monitor's, for a per-monitor aware program);
// the screen's where the system cannot tell per window.
int DpiOf(HWND window);
// The screen's dots per inch, for a window not made yet.
int ScreenDpi();

// A design place as pixels at the given dots per inch.
RECT PixelRect(const TwipsRect& place, int dpi);

// The window rectangle whose client area is the given one, at that dpi.
RECT WindowRectForClient(const RECT& client, DWORD style, DWORD exStyle, int dpi);

// The system's message font at that dpi; the caller deletes it.
HFONT NewMessageFont(int dpi);

}  // namespace hueloom
