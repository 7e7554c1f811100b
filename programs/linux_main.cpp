// The program on Qt: Form1 beside a stand-in chat client, in a window system
// of the program's own, since the chat client cannot run here. The program
// ends once the form has unloaded and the stand-in has been closed too.
#include <QApplication>
#include <QIcon>

#include "host/inprocess/in_process_window_system.h"
#include "qt/qt_form1.h"
#include "qt/qt_hosted_window.h"
#include "qt/qt_toolkit.h"
#include "standin/standin_chat_client.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The installed menu entry's name and icon, so the desktop shows the
    // window under its entry (a Wayland window's app id is this name).
    QGuiApplication::setDesktopFileName(QStringLiteral(HUELOOM_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(HUELOOM_APP_ID)));
    hueloom::QtToolkit toolkit;
    hueloom::ScopedToolkit useToolkit(toolkit);

    hueloom::InProcessWindowSystem windows(hueloom::CallRecording::kOff);
    hueloom::ScopedWindowSystem useWindows(windows);
    hueloom::StandinChatClient chatClient(windows);
    chatClient.show();

    QWidget* form = hueloom::NewQtForm1();
    hueloom::HostTopLevelWindow(windows, *form, "HueloomForm", "Hueloom 2.0");
    form->show();
    // The form deletes itself once unloaded; the last window closed ends the loop.
    return application.exec();
}
