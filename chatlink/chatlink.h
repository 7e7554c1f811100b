// Delivers one line into the chat client's chat window and makes it send.
#pragma once

#include <string_view>

#include "host/window_system.h"

namespace hueloom {

void SendChatLine(std::u16string_view line);
// Presses the window like a button, letting pending events run before and after.
void ClickIcon(Hwnd window);
// Types a carriage return into the window.
void PressEnter(Hwnd window);

}  // namespace hueloom
