// The program on Windows: Form1 on native controls, talking to the chat client
// through the system's own window system. It ends once no form is loaded.
//
//   hueloom.exe                       the window
//   hueloom.exe --time-keystrokes F   times keystrokes into Text1, writes the figures to F, quits
// clang-format off
#include "win32/win32_messages.h"
#include <objbase.h>   // after <windows.h>, whose types they use
#include <shellapi.h>
// clang-format on

#include <exception>
#include <string>

#include "app/form_identity.h"
#include "win32/keystroke_timing.h"
#include "win32/win32_form1.h"
#include "win32/win32_form_window.h"
#include "win32/win32_toolkit.h"
#include "win32/win32_window_system.h"

namespace {

// The report file of the hidden timing switch; empty when not given.
std::wstring TimingReport() {
    int count = 0;
    LPWSTR* words = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::wstring report;
    if (words != nullptr && count == 3 && std::wstring(words[1]) == L"--time-keystrokes") {
        report = words[2];
    }
    if (words != nullptr) ::LocalFree(words);
    return report;
}

// The controls' annotations for screen readers go through COM on this thread.
struct ScopedCom {
    HRESULT result = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ~ScopedCom() {
        if (SUCCEEDED(result)) ::CoUninitialize();
    }
};

void ShowError(const char* what) {
    ::MessageBoxA(nullptr, what, hueloom::kFormCaption, MB_OK | MB_ICONERROR);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    using namespace hueloom;
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    const ScopedCom com;

    Win32Toolkit toolkit(&Win32FormWindow::TranslateKeys);
    ScopedToolkit useToolkit(toolkit);
    Win32WindowSystem windows;
    ScopedWindowSystem useWindows(windows);

    const std::wstring report = TimingReport();
    try {
        Win32FormWindow& form = NewWin32Form1();
        form.Show(showCommand);
        if (!report.empty()) {
            DoEvents();  // the window's first turn: Activate
            const bool whole = TimeKeystrokes(form.handle(), report);
            ::PostMessageW(form.handle(), WM_CLOSE, 0, 0);
            const int status = toolkit.Run();
            return whole ? status : 1;
        }
    } catch (const std::exception& error) {
        ShowError(error.what());
        return 1;
    }
    return toolkit.Run();
}
