// Keystroke to finished preview, timed inside the program for a short and the
// longest line: a hidden switch of hueloom.exe, for the figures in the README.
#pragma once

#include <string>

#include "win32/win32_handles.h"

namespace hueloom {

// Types alternately a character and a backspace into Text1, each keystroke
// timed from WM_CHAR until Picture1 has painted, and writes the figures to
// the report file. Returns false when keystrokes were lost or the file could
// not be written.
bool TimeKeystrokes(HWND form, const std::wstring& reportPath);

}  // namespace hueloom
