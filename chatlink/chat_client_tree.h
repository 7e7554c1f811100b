// The chat client's window tree as the chat link meets it: the frame, its
// multi-document area, a chat room, and the room's children. The stand-ins and
// the tests build this one shape.
#pragma once

#include <algorithm>
#include <array>

#include "chatlink/chat_client_classes.h"

namespace hueloom {

// A chat room's other children: a class no lookup of the chat link matches.
inline constexpr const char* kChatOtherClass = "_standin_static";

enum class ChatRoomChildKind { kInput, kIcon, kOther, kHistory };

struct ChatRoomChild {
    ChatRoomChildKind kind;
    const char* className;
    int icon;  // counted from 1 among the room's icons; 0 for the other children
};

// In the window system's child order, front to back: the input box first, the
// icons with another control among them, and the history, a second box of the
// input box's class, behind them all.
inline constexpr std::array<ChatRoomChild, 11> kChatRoomChildren{{
    {ChatRoomChildKind::kInput, kChatInputClass, 0},
    {ChatRoomChildKind::kIcon, kChatIconClass, 1},
    {ChatRoomChildKind::kIcon, kChatIconClass, 2},
    {ChatRoomChildKind::kIcon, kChatIconClass, 3},
    {ChatRoomChildKind::kOther, kChatOtherClass, 0},
    {ChatRoomChildKind::kIcon, kChatIconClass, 4},
    {ChatRoomChildKind::kIcon, kChatIconClass, 5},
    {ChatRoomChildKind::kIcon, kChatIconClass, 6},
    {ChatRoomChildKind::kIcon, kChatIconClass, 7},
    {ChatRoomChildKind::kIcon, kChatIconClass, 8},
    {ChatRoomChildKind::kHistory, kChatInputClass, 0},
}};

inline constexpr int kChatIconCount = static_cast<int>(
    std::ranges::count(kChatRoomChildren, ChatRoomChildKind::kIcon, &ChatRoomChild::kind));
static_assert(kChatSendIconPosition <= kChatIconCount);

}  // namespace hueloom
