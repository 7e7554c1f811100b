// The stand-in chat client's windows in the in-process window system, and what
// they do with the messages the chat link sends them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "chatlink/chat_client_tree.h"
#include "inprocess/in_process_window_system.h"

namespace hueloom {

inline constexpr int kStandinIconCount = kChatIconCount;
inline constexpr int kStandinSendIcon =
    kChatSendIconPosition;  // in the window system's child order

// Registers the chat client's window tree (chatlink/chat_client_tree.h), and
// removes it again on destruction.
// The window system must outlive this object.
class StandinChatRoom {
  public:
    struct Events {
        std::function<void()> inputChanged;                      // the input box's text changed
        std::function<void(const std::u16string& line)> posted;  // a line went to the chat
    };

    StandinChatRoom(InProcessWindowSystem& windowSystem, Events events);
    ~StandinChatRoom();
    StandinChatRoom(const StandinChatRoom&) = delete;
    StandinChatRoom& operator=(const StandinChatRoom&) = delete;

    Hwnd frame() const { return frame_; }
    Hwnd room() const { return room_; }
    Hwnd inputBox() const { return inputBox_; }
    // The icons in the order the window system lists them at creation.
    const std::vector<Hwnd>& icons() const { return icons_; }

    const std::u16string& input() const { return input_; }
    // What the user typed into the visible input box.
    void SetInput(std::u16string text);
    // Posts the input box's text to the chat and clears the box; nothing when it is empty.
    void PostInput();
    // A button-down on one of the icons: the sixth one posts, the others do nothing.
    void PressIcon(Hwnd icon);

  private:
    void AddRoomChild(const ChatRoomChild& child);
    std::intptr_t OnInputBoxMessage(std::uint32_t message, std::uintptr_t wParam,
                                    std::intptr_t lParam);
    std::intptr_t OnIconMessage(Hwnd icon, std::uint32_t message);
    bool IsSendIcon(Hwnd icon) const;
    void ReplaceInput(std::u16string text);

    InProcessWindowSystem& windowSystem_;
    Events events_;
    std::u16string input_;
    Hwnd frame_ = 0;
    Hwnd area_ = 0;
    Hwnd room_ = 0;
    Hwnd inputBox_ = 0;
    std::vector<Hwnd> icons_;
};

}  // namespace hueloom
