// DoEvents and the message loop of a plain Win32 program: one way to dispatch.
#include "win32/win32_toolkit.h"

#include "win32/win32_handles.h"

namespace hueloom {

void Win32Toolkit::Dispatch(MSG& message) {
    if (filter_ != nullptr && filter_(message)) return;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
}

namespace {

// The fades yield once per pass of their split, thousands of times for a long
// line: asking whether anything waits costs less than failing to take it.
bool NothingPending() { return HIWORD(::GetQueueStatus(QS_ALLINPUT)) == 0; }

}  // namespace

void Win32Toolkit::DoEvents() {
    if (NothingPending()) return;
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
        if (message.message == WM_QUIT) {
            // The program's own loop ends on it, once this handler has returned.
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Dispatch(message);
    }
}

int Win32Toolkit::Run() {
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) Dispatch(message);
    return message.message == WM_QUIT ? static_cast<int>(message.wParam) : 1;
}

}  // namespace hueloom
