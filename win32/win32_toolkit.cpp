// DoEvents and the message loop of a plain Win32 program: one way to dispatch.
#include "win32/win32_toolkit.h"

#include "win32/win32_handles.h"

namespace hueloom {

std::int64_t PerformanceMicroseconds() {
    static const LONGLONG frequency = [] {
        LARGE_INTEGER perSecond;
        ::QueryPerformanceFrequency(&perSecond);
        return perSecond.QuadPart;
    }();
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    // Whole seconds first: ticks times a million would overflow after days.
    return now.QuadPart / frequency * 1'000'000 + now.QuadPart % frequency * 1'000'000 / frequency;
}

Win32Toolkit::Win32Toolkit(KeyFilter filter, Clock clock)
    : filter_(filter), clock_(clock), lastAsked_(clock() - kAskEvery) {}

void Win32Toolkit::Dispatch(MSG& message) {
    if (filter_ != nullptr && filter_(message)) return;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
}

bool Win32Toolkit::TimeToAsk() {
    const std::int64_t now = clock_();
    if (now - lastAsked_ < kAskEvery) return false;
    lastAsked_ = now;
    return true;
}

namespace {

// Asking whether anything waits costs less than failing to take it.
bool NothingPending() { return HIWORD(::GetQueueStatus(QS_ALLINPUT)) == 0; }

}  // namespace

void Win32Toolkit::DoEvents() {
    if (!TimeToAsk() || NothingPending()) return;
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
