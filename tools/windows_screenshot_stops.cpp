// Readies hueloom.exe for the Windows screenshot: ten colour stops set through
// the bars, a line typed and sent; or closes the window afterwards.
//
//   hueloom_screenshot_stops stops LINE   once the window has started
//   hueloom_screenshot_stops close        with the system's close command
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
// clang-format off
#include <windows.h>
#include <shellapi.h>  // after <windows.h>, whose types it uses
// clang-format on

#include <cstdio>
#include <cstring>
#include <string>

#include "app/form1_design.h"
#include "app/form_identity.h"
#include "win32/win32_messages.h"

namespace hueloom {
namespace {

constexpr int kStops[10][3] = {{255, 0, 0},   {255, 140, 0}, {240, 220, 0}, {40, 200, 40},
                               {0, 170, 170}, {0, 90, 255},  {90, 40, 220}, {170, 0, 200},
                               {230, 0, 120}, {255, 0, 0}};

// Up to thirty seconds for the window and its start: it goes into the topmost
// band and takes its region once its announcement is out.
HWND WaitForStartedWindow() {
    for (int tries = 0; tries < 600; ++tries) {
        const HWND window = ::FindWindowW(nullptr, win32::Wide(kFormCaptionUtf16));
        const HRGN region = ::CreateRectRgn(0, 0, 0, 0);
        const bool started = window != nullptr &&
                             (::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0 &&
                             ::GetWindowRgn(window, region) != ERROR;
        ::DeleteObject(region);
        if (started) return window;
        ::Sleep(50);
    }
    return nullptr;
}

HWND Item(HWND window, std::string_view name) {
    return ::GetDlgItem(window, FindControl(name)->controlId);
}

// The line as typed, whatever the code page: the command line's last word.
std::wstring LastArgument() {
    int count = 0;
    LPWSTR* words = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::wstring last;
    if (words != nullptr && count > 0) last = words[count - 1];
    if (words != nullptr) ::LocalFree(words);
    return last;
}

// Each bar as a thumb drag ends, column by column, blue first.
int SetStopsAndSend(const std::wstring& line) {
    const HWND window = WaitForStartedWindow();
    if (window == nullptr) return 1;
    for (std::size_t column = 0; column < kColumnCount; ++column) {
        for (int component = 2; component >= 0; --component) {
            const HWND bar = Item(window, Form1Columns()[column].bars.at(component));
            const int value = kStops[column][component];
            ::SendMessageW(window, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, value),
                           reinterpret_cast<LPARAM>(bar));
            ::SendMessageW(window, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, value),
                           reinterpret_cast<LPARAM>(bar));
        }
    }
    ::SendMessageW(Item(window, "Text1"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(line.c_str()));
    ::SendMessageW(Item(window, "Command1"), BM_CLICK, 0, 0);
    return 0;
}

int Close() {
    const HWND window = ::FindWindowW(nullptr, win32::Wide(kFormCaptionUtf16));
    if (window == nullptr) return 1;
    ::PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    for (int tries = 0; tries < 400 && ::IsWindow(window); ++tries) ::Sleep(50);
    return ::IsWindow(window) ? 1 : 0;
}

}  // namespace
}  // namespace hueloom

int main(int argc, char** argv) {
    using namespace hueloom;
    if (argc == 3 && std::strcmp(argv[1], "stops") == 0) return SetStopsAndSend(LastArgument());
    if (argc == 2 && std::strcmp(argv[1], "close") == 0) return Close();
    std::fprintf(stderr, "usage: hueloom_screenshot_stops stops LINE | close\n");
    return 2;
}
