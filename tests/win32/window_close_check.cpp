// hueloom.exe's close: by a click on its close box, and at the session's end.
#include "app/announcement.h"
#include "window_checks.h"

namespace hueloom::driver {
namespace {

void Press(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    ::SendInput(1, &input, sizeof input);
}

// Where on the screen the window puts its close box: along the middle of the
// title bar, the right-most point the window itself calls the close box.
POINT CloseBoxPoint(HWND window) {
    TITLEBARINFO bar{};
    bar.cbSize = sizeof bar;
    ::GetTitleBarInfo(window, &bar);
    const int y = (bar.rcTitleBar.top + bar.rcTitleBar.bottom) / 2;
    for (int x = bar.rcTitleBar.right; x > bar.rcTitleBar.left; --x) {
        const LPARAM at = MAKELPARAM(x, y);
        if (::SendMessageW(window, WM_NCHITTEST, 0, at) == HTCLOSE) return {x - 4, y};
    }
    return {-1, -1};
}

// Logging off asks every top-level window, then tells it the session ends.
bool EndSession(HWND window, bool ends) {
    DWORD_PTR answer = 0;
    ::SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000,
                          &answer);
    ::SendMessageTimeoutW(window, WM_ENDSESSION, ends ? TRUE : FALSE, ENDSESSION_LOGOFF,
                          SMTO_NORMAL, 10000, nullptr);
    return answer != FALSE;
}

}  // namespace

// A click of the mouse on the close box, as the user's: it reaches the window
// only where the window's region leaves the box.
void CloseByTheCloseBox(const Form& form) {
    const POINT box = CloseBoxPoint(form.window);
    Report(box.x >= 0 && ::WindowFromPoint(box) == form.window,
           "the close box shows, inside the region");
    ::SetCursorPos(box.x, box.y);
    ::Sleep(100);
    Press(MOUSEEVENTF_LEFTDOWN);
    ::Sleep(50);
    Press(MOUSEEVENTF_LEFTUP);
    Report(WaitUntilGone(form.window), "closed by its close box");
}

// A session that ends says goodbye once: a cancelled end says nothing, and the
// end told twice unloads once.
int Session() {
    const Form form = WaitForStart();
    if (form.window == nullptr) return 1;
    ExpectPosted(Announcement(kLoadedAnnouncement));
    const bool agreed = EndSession(form.window, false);
    Report(agreed && ::IsWindowVisible(form.window),
           "a session end asked and then cancelled: the window agrees and stays");
    ExpectPosted(Announcement(kUnloadAnnouncement));
    EndSession(form.window, true);
    Report(!::IsWindowVisible(form.window), "the session ends: the window goes at once");
    ::SendMessageTimeoutW(form.window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000,
                          nullptr);
    Report(WaitUntilGone(form.window), "the program ends after the session's end");
    return Finish();
}

}  // namespace hueloom::driver
