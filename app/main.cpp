// The program: Form1 in the host's window system. On Windows that is the
// real one, beside the real chat client; elsewhere it is a window system of
// the program's own, with a stand-in chat client in it.
#include <QApplication>

#include "app/form1.h"
#include "app/program_end.h"
#include "host/qt/qt_toolkit.h"

#ifdef _WIN32
#include "host/qt/qt_window_handles.h"
#include "host/win32/win32_window_system.h"
#else
#include "host/inprocess/in_process_window_system.h"
#include "host/qt/qt_hosted_window.h"
#include "standin/standin_chat_client.h"
#endif

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    hueloom::QtToolkit toolkit;
    hueloom::ScopedToolkit useToolkit(toolkit);

#ifdef _WIN32
    hueloom::Win32WindowSystem windows;
    hueloom::ScopedWindowSystem useWindows(windows);
    hueloom::Form1 form;
    // The system's handles are 32-bit values widened to pointer size.
    hueloom::RegisterWindowHandle(form, static_cast<hueloom::Hwnd>(form.winId()));
#else
    hueloom::InProcessWindowSystem windows;
    hueloom::ScopedWindowSystem useWindows(windows);
    hueloom::StandinChatClient chatClient(windows);
    chatClient.show();
    hueloom::Form1 form;
    hueloom::HostTopLevelWindow(windows, form, "HueloomForm", "Hueloom 2.0");
#endif

    hueloom::EndProgramWhenNoFormRemains(application, form);
    form.show();
    return application.exec();
}
