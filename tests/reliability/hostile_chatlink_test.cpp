// The chat link under hostile lines: a megabyte, NUL, lone surrogates,
// controls, and windows that vanish in the middle of a send.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chatlink/chat_client_classes.h"
#include "chatlink/chatlink.h"
#include "host/toolkit.h"
#include "inprocess/in_process_window_system.h"
#include "support/counting_toolkit.h"

namespace hueloom {
namespace {

// A chat client with one room: its input box and six send icons.
struct ChatClient {
    InProcessWindowSystem ws;
    Hwnd room = 0, input = 0, icon = 0;

    ChatClient() {
        const Hwnd main = ws.AddWindow(0, kChatFrameClass);
        const Hwnd area = ws.AddWindow(main, kChatAreaClass);
        room = ws.AddWindow(area, kChatRoomClass);
        for (int k = 6; k >= 1; --k) {
            const Hwnd made = ws.AddWindow(room, kChatIconClass);
            if (k == 6) icon = made;
        }
        input = ws.AddWindow(room, kChatInputClass);
    }

    // The messages sent, as (window, message, wParam); the text of WM_SETTEXT apart.
    std::vector<std::vector<std::int64_t>> Messages() const {
        std::vector<std::vector<std::int64_t>> messages;
        for (const RecordedCall& call : ws.calls()) {
            if (call.operation == "SendMessageA") {
                messages.push_back({call.args[0], call.args[1], call.args[2]});
            }
        }
        return messages;
    }
    std::string SetText() const {
        for (const RecordedCall& call : ws.calls()) {
            if (call.operation == "SendMessageA" && call.args[1] == kWmSetText)
                return call.texts[0];
        }
        return "(none)";
    }
    std::vector<std::vector<std::int64_t>> NineMessages() const {
        const std::int64_t in = input, button = icon;
        std::vector<std::vector<std::int64_t>> nine = {{in, kWmSetText, 0}};
        for (int round = 0; round < 2; ++round) {
            nine.push_back({in, kWmChar, 13});
            nine.push_back({button, kWmLButtonDown, 0});
            nine.push_back({button, kWmKeyUp, 32});
            nine.push_back({button, kWmChar, 13});
        }
        return nine;
    }
};

TEST(HostileChatLink, AMegabyteLineIsDeliveredWhole) {
    ChatClient chat;
    const ScopedWindowSystem installed(chat.ws);
    std::u16string line(std::size_t{1} << 20, u'a');
    line.back() = u'z';
    SendChatLine(line);
    EXPECT_EQ(chat.Messages(), chat.NineMessages());
    const std::string sent = chat.SetText();
    ASSERT_EQ(sent.size(), line.size());
    EXPECT_EQ(sent.back(), 'z');
    EXPECT_EQ(chat.ws.Title(chat.input).size(), line.size());
}

TEST(HostileChatLink, EveryCodeUnitBecomesExactlyOneByte) {
    struct Case {
        std::u16string line;
        std::string sent;
    };
    const Case cases[] = {
        {std::u16string(u"a\0b", 3), "a?b"},  // a NUL would cut the host's string short
        {std::u16string(1, u'\0'), "?"},
        {u"\xD800x\xDC00", "?x?"},              // lone surrogates
        {u"\xD83D\xDE00", "??"},                // a pair is two units, two bytes
        {u"\r\n\t\x1B\x7F", "\r\n\t\x1B\x7F"},  // controls go as they are
        {u"\x20AC\x00FF\x4E2D", "\x80\xFF?"},   // the code page's own bytes, or '?'
        {u"", ""},
    };
    for (const Case& c : cases) {
        ChatClient chat;
        const ScopedWindowSystem installed(chat.ws);
        SendChatLine(c.line);
        EXPECT_EQ(chat.SetText(), c.sent);
        EXPECT_EQ(chat.Messages(), chat.NineMessages());
    }
}

// A yield that closes the chat room: the presses still go to the handles found
// before, which now lead nowhere, and the send returns normally.
TEST(HostileChatLink, TheRoomClosingDuringAYieldEndsNothingBadly) {
    ChatClient chat;
    CountingToolkit toolkit;
    toolkit.pendingEvent = [&] {
        if (toolkit.calls == 1) chat.ws.DestroyWindow(chat.room);
    };
    const ScopedWindowSystem installed(chat.ws);
    const ScopedToolkit installedToolkit(toolkit);
    SendChatLine(u"still here");
    EXPECT_EQ(toolkit.calls, 4);
    EXPECT_FALSE(chat.ws.IsWindow(chat.icon));
    EXPECT_EQ(chat.Messages(), chat.NineMessages());
}

}  // namespace
}  // namespace hueloom
