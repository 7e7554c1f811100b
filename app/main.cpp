// The program: Form1 beside a stand-in chat client, in a window system of its own.
#include <QApplication>

#include "app/form1.h"
#include "app/program_end.h"
#include "host/inprocess/in_process_window_system.h"
#include "host/qt/qt_hosted_window.h"
#include "host/qt/qt_toolkit.h"
#include "standin/standin_chat_client.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    hueloom::InProcessWindowSystem windows;
    hueloom::ScopedWindowSystem useWindows(windows);
    hueloom::QtToolkit toolkit;
    hueloom::ScopedToolkit useToolkit(toolkit);

    hueloom::StandinChatClient chatClient(windows);
    chatClient.show();

    hueloom::Form1 form;
    hueloom::HostTopLevelWindow(windows, form, "HueloomForm", "Hueloom 2.0");
    hueloom::EndProgramWhenNoFormRemains(application, form);
    form.show();
    return application.exec();
}
