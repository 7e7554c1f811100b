// The program on Qt: Form1 beside the chat client. Where the chat client runs
// under Wine in the user's prefix, the chat link types into it there;
// otherwise a stand-in chat room opens beside the form, in a window system of
// the program's own. The program ends once the form has unloaded and the
// stand-in, where there is one, has been closed too.
#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <exception>
#include <memory>

#include "app/form_identity.h"
#include "chatlink/chat_client_classes.h"
#include "inprocess/in_process_window_system.h"
#include "qt/qt_form1.h"
#include "qt/qt_hosted_window.h"
#include "qt/qt_platform_choice.h"
#include "qt/qt_toolkit.h"
#include "standin/standin_chat_client.h"
#include "winelink/chat_routing_window_system.h"
#include "winelink/wine_chat.h"

namespace {

// Where this build was told the bridges are: installed, and built beside it.
hueloom::BridgePlaces BuiltInBridges() {
    hueloom::BridgePlaces places;
    places.installed = HUELOOM_INSTALLED_BRIDGES;
    places.built64 = HUELOOM_BUILT_BRIDGE_WIN64;
    places.built32 = HUELOOM_BUILT_BRIDGE_WIN32;
    return places;
}

// Whether the chat client runs under Wine now. A bridge that fails here
// leaves the stand-in to open; the first Send then tells the user why.
bool ChatClientUnderWine(hueloom::WineChat& wine) {
    try {
        return wine.ChatClientRunning();
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "hueloom: %s\n", failure.what());
        return false;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    hueloom::QtArguments arguments(argc, argv, hueloom::PlatformEnvironment::FromProcess());
    QApplication application(arguments.count(), arguments.values());
    // The installed menu entry's name and icon, so the desktop shows the
    // window under its entry (a Wayland window's app id is this name).
    QGuiApplication::setDesktopFileName(QStringLiteral(HUELOOM_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(HUELOOM_APP_ID)));
    hueloom::QtToolkit toolkit;
    hueloom::ScopedToolkit useToolkit(toolkit);

    hueloom::InProcessWindowSystem home(hueloom::CallRecording::kOff);
    hueloom::WineChat wine(hueloom::WineChatSettings::FromEnvironment(BuiltInBridges()),
                           hueloom::kChatFrameClass);
    // With the chat client under Wine there is no stand-in: a line sent once
    // it has quit is refused, rather than lost in a window system of our own.
    const bool underWine = ChatClientUnderWine(wine);
    hueloom::ChatRoutingWindowSystem windows(
        home, wine, underWine ? hueloom::ChatAtHome::kNone : hueloom::ChatAtHome::kStandin);
    hueloom::ScopedWindowSystem useWindows(windows);
    std::unique_ptr<hueloom::StandinChatClient> chatClient;
    if (!underWine) {
        chatClient = std::make_unique<hueloom::StandinChatClient>(home);
        chatClient->show();
    }

    QWidget* form = hueloom::NewQtForm1();
    hueloom::HostTopLevelWindow(home, *form, hueloom::kFormClass, hueloom::kFormCaption);
    form->show();
    // The form deletes itself once unloaded; the last window closed ends the loop.
    const int status = application.exec();
    // The bridge's input closed, so that it ends with the program.
    wine.Stop();
    return status;
}
