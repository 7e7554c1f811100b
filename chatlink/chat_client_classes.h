// The chat client's window classes, as the chat link looks them up (the
// window system compares class names without regard to case).
#pragma once

namespace hueloom {

inline constexpr const char* kChatFrameClass = "aol frame25";  // the main window
inline constexpr const char* kChatAreaClass = "mdiclient";     // its multi-document area
inline constexpr const char* kChatRoomClass = "aol child";     // a chat room window
inline constexpr const char* kChatInputClass = "richcntl";     // the room's input box
inline constexpr const char* kChatIconClass = "_aol_icon";     // the room's buttons
inline constexpr int kChatSendIconPosition = 6;                // counted from 1

}  // namespace hueloom
