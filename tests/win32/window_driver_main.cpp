// Drives hueloom.exe through its controls, as a user's input would reach them,
// and reads back what it shows: the end-to-end check of the Windows program.
//
//   hueloom_window_driver check        every step; prints ok/FAIL lines and,
//                                      in order, the lines the chat must get
//   hueloom_window_driver shape DPI    the window whole and in its place at that dpi
//                                      (the prefix's), then closed by its close box
//   hueloom_window_driver session      the session ends: WM_QUERYENDSESSION, WM_ENDSESSION
//   hueloom_window_driver send LINE    types LINE with the design's stops, presses Send
//                                      once, then closes the window
//   hueloom_window_driver close        closes the window with the system's close command
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/announcement.h"
#include "window_checks.h"
// clang-format off
#include <objbase.h>  // after <windows.h>, whose types it uses
#include <shellapi.h>
// clang-format on

namespace hueloom::driver {
namespace {

int Check() {
    const Form form = WaitForStart();
    if (form.window == nullptr) return 1;
    ExpectPosted(Announcement(kLoadedAnnouncement));
    CheckLayout(form);
    CheckWhole(form);  // while every control is enabled, so the screen finds each
    const std::vector<Component> values = SetBars(form);
    const std::u16string line = u"H\u00e9llo w\u00f6rld, caf\u00e9 au lait";
    CheckSends(form, values, line);
    CheckAccessibility(form, values, line);
    CheckSlider(form, values);
    CheckLongLine(form);
    CheckKeyboard(form);
    ExpectPosted(Announcement(kUnloadAnnouncement));
    CloseByTheCloseBox(form);
    return Finish();
}

// The lighter pass at another dpi: shaped and laid out for it, whole, and closable.
int Shape(int dpi) {
    const Form form = WaitForStart(dpi);
    if (form.window == nullptr) return 1;
    ExpectPosted(Announcement(kLoadedAnnouncement));
    CheckClientPlace(form, dpi);
    CheckWhole(form);
    ExpectPosted(Announcement(kUnloadAnnouncement));
    CloseByTheCloseBox(form);
    return Finish();
}

// One line as a user sends it, for a reference of what reaches the chat.
int SendOnce(const std::u16string& line) {
    const Form form = WaitForStart();
    if (form.window == nullptr) return 1;
    SetText(form.Item("Text1"), line);
    form.Click("Command1");
    return CloseAndWait(form) ? 0 : 1;
}

// The command line's last word as typed, whatever the code page.
std::u16string LastArgument() {
    int count = 0;
    LPWSTR* words = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::u16string last;
    if (words != nullptr && count > 0) {
        for (const wchar_t* unit = words[count - 1]; *unit != L'\0'; ++unit) {
            last += static_cast<char16_t>(*unit);
        }
    }
    if (words != nullptr) ::LocalFree(words);
    return last;
}

}  // namespace
}  // namespace hueloom::driver

int main(int argc, char** argv) {
    using namespace hueloom::driver;
    BecomeDpiAware();
    // What a screen reader hears comes through COM.
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (argc == 2 && std::strcmp(argv[1], "check") == 0) return Check();
    if (argc == 3 && std::strcmp(argv[1], "shape") == 0) return Shape(std::atoi(argv[2]));
    if (argc == 2 && std::strcmp(argv[1], "session") == 0) return Session();
    if (argc == 3 && std::strcmp(argv[1], "send") == 0) return SendOnce(LastArgument());
    if (argc == 2 && std::strcmp(argv[1], "close") == 0) {
        const HWND window = ::FindWindowW(nullptr, L"Hueloom 2.0");
        return window != nullptr && CloseAndWait(Form(window)) ? 0 : 1;
    }
    std::fprintf(stderr,
                 "usage: hueloom_window_driver check | shape DPI | session | send LINE | close\n");
    return 2;
}
