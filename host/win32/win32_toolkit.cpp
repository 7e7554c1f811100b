// DoEvents for a plain Win32 program: drain and dispatch the thread's queue.
#include "host/win32/win32_toolkit.h"

#include "host/win32/win32_handles.h"

namespace hueloom {

void Win32Toolkit::DoEvents() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
        if (message.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

}  // namespace hueloom
