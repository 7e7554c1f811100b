// The chat client's window tree in a recording window system, a toolkit whose
// yields a test can script, and what the chat link sent, read back.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "chatlink/chat_client_tree.h"
#include "fade/fade.h"
#include "host/toolkit.h"
#include "inprocess/in_process_window_system.h"
#include "support/counting_toolkit.h"

namespace hueloom::testing {

// A class name in capitals: the host matches class names without regard to case.
inline std::string UpperCase(std::string_view name) {
    std::string upper(name);
    for (char& c : upper) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    return upper;
}

// The chat client's windows: frame > area > room and the room's children.
struct ChatTree {
    Hwnd frame = 0, area = 0, room = 0, input = 0, sendIcon = 0;

    explicit ChatTree(InProcessWindowSystem& windows) {
        frame = windows.AddWindow(0, kChatFrameClass);
        area = windows.AddWindow(frame, kChatAreaClass);
        room = windows.AddWindow(area, kChatRoomClass);
        // Children go in front of their siblings: the last is made first.
        for (auto child = kChatRoomChildren.rbegin(); child != kChatRoomChildren.rend(); ++child) {
            const Hwnd window = windows.AddWindow(room, child->className);
            if (child->kind == ChatRoomChildKind::kInput) input = window;
            if (child->icon == kChatSendIconPosition) sendIcon = window;
        }
    }
};

// A message as the chat link sends it: window, number, wParam, lParam or text.
struct Message {
    Hwnd window;
    std::uint32_t number;
    std::int64_t wParam;
    std::string text;  // kWmSetText only
    friend bool operator==(const Message&, const Message&) = default;
};

// The bytes the chat link sends for the text, with no other host installed.
inline std::string Ansi(std::u16string_view text) {
    return CurrentWindowSystem().ToAnsiCodePage(text);
}

inline const std::string kLoaded =
    Ansi(FadeThree(0, 0, 0, 255, 0, 0, 100, 0, 0, u"Hueloom Loaded", true));
inline const std::string kUnload =
    Ansi(FadeThree(0, 0, 0, 255, 0, 0, 100, 0, 0, u"Hueloom Unload", true));

struct ChatFixture {
    InProcessWindowSystem windows;
    ScopedWindowSystem useWindows{windows};
    CountingToolkit toolkit;  // a test scripts what its yields do
    ScopedToolkit useToolkit{toolkit};
    ChatTree chat{windows};

    // The nine messages one line sends into the chat, in order.
    std::vector<Message> NineMessages(const std::string& line) const {
        std::vector<Message> messages{{chat.input, kWmSetText, 0, line}};
        for (int round = 0; round < 2; ++round) {
            messages.push_back({chat.input, kWmChar, 13, {}});
            messages.push_back({chat.sendIcon, kWmLButtonDown, 0, {}});
            messages.push_back({chat.sendIcon, kWmKeyUp, 32, {}});
            messages.push_back({chat.sendIcon, kWmChar, 13, {}});
        }
        return messages;
    }

    std::vector<Message> Messages() const {
        std::vector<Message> messages;
        for (const RecordedCall& call : windows.calls()) {
            if (call.operation != "SendMessageA") continue;
            const auto number = static_cast<std::uint32_t>(call.args[1]);
            messages.push_back({static_cast<Hwnd>(call.args[0]), number, call.args[2],
                                number == kWmSetText ? call.texts.at(0) : std::string()});
        }
        return messages;
    }

    // The texts put into the input box, one per line sent.
    std::vector<std::string> LinesSent() const {
        std::vector<std::string> lines;
        for (const Message& message : Messages()) {
            if (message.number == kWmSetText) lines.push_back(message.text);
        }
        return lines;
    }

    std::vector<std::string> Operations() const {
        std::vector<std::string> operations;
        for (const RecordedCall& call : windows.calls()) operations.push_back(call.operation);
        return operations;
    }
};

}  // namespace hueloom::testing
