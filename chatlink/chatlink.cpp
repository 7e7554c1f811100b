// Types a line into the chat client's front-most chat window and presses send.
#include "chatlink/chatlink.h"

#include <string>

#include "chatlink/chat_client_classes.h"
#include "host/toolkit.h"

namespace hueloom {
namespace {

constexpr int kPressRounds = 2;
constexpr std::uintptr_t kCarriageReturn = 13;
constexpr std::uintptr_t kSpaceKey = 32;

Hwnd FindChild(Hwnd parent, Hwnd after, const char* className) {
    return CurrentWindowSystem().FindWindowExA(parent, after, className, nullptr);
}

void Send(Hwnd window, std::uint32_t message, std::uintptr_t wParam) {
    CurrentWindowSystem().SendMessageA(window, message, wParam, 0);
}

// A NUL would end the host's string there and drop the rest of the line
// unseen, so it goes out as '?' like any other character the page lacks.
std::string AnsiLine(std::u16string_view line) {
    std::u16string text(line);
    for (char16_t& unit : text) {
        if (unit == u'\0') unit = u'?';
    }
    return CurrentWindowSystem().ToAnsiCodePage(text);
}

void SetText(Hwnd window, const std::string& text) {
    CurrentWindowSystem().SendMessageA(window, kWmSetText, 0,
                                       reinterpret_cast<std::intptr_t>(text.c_str()));
}

// A line's route, from before its first call to after its last, however it
// ends: a line sent during this one's yields keeps to a route of its own.
class LineRoute {
  public:
    LineRoute() { CurrentWindowSystem().ChooseRouteForLine(); }
    ~LineRoute() { CurrentWindowSystem().EndOfLine(); }
    LineRoute(const LineRoute&) = delete;
    LineRoute& operator=(const LineRoute&) = delete;
};

}  // namespace

void SendChatLine(std::u16string_view line) {
    const LineRoute route;
    const std::string text = AnsiLine(line);
    const Hwnd main = CurrentWindowSystem().FindWindowA(kChatFrameClass, nullptr);
    const Hwnd area = FindChild(main, 0, kChatAreaClass);
    const Hwnd room = FindChild(area, 0, kChatRoomClass);
    const Hwnd input = FindChild(room, 0, kChatInputClass);
    SetText(input, text);

    // Each look-up continues after the last; past the end one starts over at 0.
    Hwnd icon = 0;
    for (int k = 0; k < kChatSendIconPosition; ++k) icon = FindChild(room, icon, kChatIconClass);

    for (int round = 0; round < kPressRounds; ++round) {
        Send(input, kWmChar, kCarriageReturn);
        ClickIcon(icon);
        PressEnter(icon);
    }
}

void ClickIcon(Hwnd window) {
    DoEvents();
    Send(window, kWmLButtonDown, 0);
    Send(window, kWmKeyUp, kSpaceKey);
    DoEvents();
}

void PressEnter(Hwnd window) { Send(window, kWmChar, kCarriageReturn); }

}  // namespace hueloom
