// The stand-in chat client's windows and their answers to the chat link's messages.
#include "standin/standin_chat_room.h"

#include <algorithm>
#include <utility>

#include "host/windows_1252.h"

namespace hueloom {
namespace {

constexpr std::uintptr_t kCarriageReturn = 13;
constexpr std::uintptr_t kBackspace = 8;
constexpr std::intptr_t kTrue = 1;

}  // namespace

StandinChatRoom::StandinChatRoom(InProcessWindowSystem& windowSystem, Events events)
    : windowSystem_(windowSystem), events_(std::move(events)) {
    frame_ = windowSystem_.AddWindow(0, kChatFrameClass, "Stand-in chat client");
    area_ = windowSystem_.AddWindow(frame_, kChatAreaClass);
    room_ = windowSystem_.AddWindow(area_, kChatRoomClass, "Stand-in chat room");
    // Each new window goes in front of its siblings, so the last child is made first.
    icons_.resize(kStandinIconCount);
    for (auto child = kChatRoomChildren.rbegin(); child != kChatRoomChildren.rend(); ++child) {
        AddRoomChild(*child);
    }
}

void StandinChatRoom::AddRoomChild(const ChatRoomChild& child) {
    WindowCallbacks callbacks;
    if (child.kind == ChatRoomChildKind::kIcon) {
        const auto index = static_cast<std::size_t>(child.icon - 1);
        callbacks.onMessage = [this, index](std::uint32_t message, std::uintptr_t, std::intptr_t) {
            return OnIconMessage(icons_[index], message);
        };
        icons_[index] = windowSystem_.AddWindow(room_, child.className, {}, std::move(callbacks));
    } else if (child.kind == ChatRoomChildKind::kInput) {
        callbacks.onMessage = [this](std::uint32_t message, std::uintptr_t wParam,
                                     std::intptr_t lParam) {
            return OnInputBoxMessage(message, wParam, lParam);
        };
        inputBox_ = windowSystem_.AddWindow(room_, child.className, {}, std::move(callbacks));
    } else {
        windowSystem_.AddWindow(room_, child.className);
    }
}

StandinChatRoom::~StandinChatRoom() { windowSystem_.DestroyWindow(frame_); }

void StandinChatRoom::SetInput(std::u16string text) { ReplaceInput(std::move(text)); }

void StandinChatRoom::PostInput() {
    if (input_.empty()) return;
    // Cleared before anyone hears of the line, so that a nested send finds the box empty.
    std::u16string line = std::exchange(input_, std::u16string());
    if (events_.inputChanged) events_.inputChanged();
    if (events_.posted) events_.posted(line);
}

void StandinChatRoom::PressIcon(Hwnd icon) {
    if (IsSendIcon(icon)) PostInput();
}

std::intptr_t StandinChatRoom::OnInputBoxMessage(std::uint32_t message, std::uintptr_t wParam,
                                                 std::intptr_t lParam) {
    if (message == kWmSetText) {
        const char* bytes = reinterpret_cast<const char*>(lParam);
        ReplaceInput(bytes ? FromWindows1252(bytes) : std::u16string());
        return kTrue;
    }
    if (message != kWmChar) return 0;
    if (wParam == kCarriageReturn) {
        PostInput();
    } else if (wParam == kBackspace) {
        if (!input_.empty()) ReplaceInput(input_.substr(0, input_.size() - 1));
    } else if (wParam >= 0x20 && wParam <= 0xFF && wParam != 0x7F) {
        const char byte = static_cast<char>(wParam);
        ReplaceInput(input_ + FromWindows1252(std::string_view(&byte, 1)));
    }
    return 0;
}

std::intptr_t StandinChatRoom::OnIconMessage(Hwnd icon, std::uint32_t message) {
    if (message == kWmLButtonDown) PressIcon(icon);
    return 0;
}

// Decided at the press, from the order the window system lists the room's children in now.
bool StandinChatRoom::IsSendIcon(Hwnd icon) const {
    int position = 0;
    for (Hwnd child : windowSystem_.Children(room_)) {
        if (std::find(icons_.begin(), icons_.end(), child) == icons_.end()) continue;
        if (++position == kStandinSendIcon) return child == icon;
    }
    return false;
}

void StandinChatRoom::ReplaceInput(std::u16string text) {
    if (text == input_) return;
    input_ = std::move(text);
    if (events_.inputChanged) events_.inputChanged();
}

}  // namespace hueloom
