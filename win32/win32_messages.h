// Thin named wrappers around the window messages the front end sends (Win32 files only).
#pragma once

#include <string>
#include <string_view>

// clang-format off
#include "win32/win32_handles.h"
#include <commctrl.h>  // after <windows.h>, whose types it uses
// clang-format on

namespace hueloom::win32 {

inline const wchar_t* Wide(std::u16string_view text) {
    return reinterpret_cast<const wchar_t*>(text.data());
}

// Windows' text is UTF-16 with a terminating NUL: a std::u16string holds both.
inline void SetText(HWND window, const std::u16string& text) {
    ::SetWindowTextW(window, Wide(text));
}

inline std::u16string GetText(HWND window) {
    std::u16string text(static_cast<std::size_t>(::GetWindowTextLengthW(window)), u'\0');
    const int copied = ::GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()),
                                        static_cast<int>(text.size()) + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

// IDC_ARROW, which the headers spell narrow unless UNICODE is defined.
inline HCURSOR ArrowCursor() { return ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); }

inline void SetFont(HWND window, HFONT font) {
    ::SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

// Keyboard cues: focus rectangles stay hidden, as the system's settings
// say, until the user works the window from the keyboard.
inline void InitializeKeyboardCues(HWND topLevel) {
    ::SendMessageW(topLevel, WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, 0), 0);
}

inline void ShowFocusCues(HWND topLevel) {
    ::SendMessageW(topLevel, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

inline bool FocusCuesHidden(HWND window) {
    return (::SendMessageW(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0;
}

// Option buttons.
inline bool IsChecked(HWND button) {
    return ::SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

inline void SetChecked(HWND button, bool checked) {
    ::SendMessageW(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

// Edit controls: 0 lifts the length limit to the most the control can hold.
inline void LiftTextLimit(HWND edit) { ::SendMessageW(edit, EM_SETLIMITTEXT, 0, 0); }

// Scroll bar controls.
inline void SetScrollRange(HWND bar, int min, int max) {
    ::SendMessageW(bar, SBM_SETRANGE, static_cast<WPARAM>(min), static_cast<LPARAM>(max));
}

inline void SetScrollValue(HWND bar, int value) {
    ::SendMessageW(bar, SBM_SETPOS, static_cast<WPARAM>(value), TRUE);
}

inline int ScrollValue(HWND bar) { return static_cast<int>(::SendMessageW(bar, SBM_GETPOS, 0, 0)); }

// Trackbars.
inline void SetTrackbarRange(HWND trackbar, int min, int max) {
    ::SendMessageW(trackbar, TBM_SETRANGEMIN, FALSE, min);
    ::SendMessageW(trackbar, TBM_SETRANGEMAX, TRUE, max);
}

inline void SetTrackbarSteps(HWND trackbar, int small, int large) {
    ::SendMessageW(trackbar, TBM_SETLINESIZE, 0, small);
    ::SendMessageW(trackbar, TBM_SETPAGESIZE, 0, large);
}

inline int TrackbarValue(HWND trackbar) {
    return static_cast<int>(::SendMessageW(trackbar, TBM_GETPOS, 0, 0));
}

inline void SetTrackbarValue(HWND trackbar, int value) {
    ::SendMessageW(trackbar, TBM_SETPOS, TRUE, value);
}

}  // namespace hueloom::win32
