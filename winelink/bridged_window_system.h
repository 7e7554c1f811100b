// A window system on the far side of the bridge: the chat link's calls go to
// hueloom-wine-bridge.exe as requests and come back as answers. Nothing else
// of the window system crosses: the form's own calls do nothing here.
#pragma once

#include "host/window_system.h"
#include "winelink/bridge_protocol.h"

namespace hueloom::bridge {

// Carries one request to the bridge and brings its answer back; raises
// Unreachable when it cannot.
class Channel {
  public:
    virtual ~Channel() = default;
    virtual Message Ask(const Message& request) = 0;
};

class BridgedWindowSystem final : public ChatOnlyWindowSystem {
  public:
    explicit BridgedWindowSystem(Channel& channel) : channel_(channel) {}

    Hwnd FindWindowA(const char* className, const char* windowName) override;
    Hwnd FindWindowExA(Hwnd parent, Hwnd childAfter, const char* className,
                       const char* windowName) override;
    // Only the chat link's messages; kWmSetText's string travels with the request.
    std::intptr_t SendMessageA(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                               std::intptr_t lParam) override;
    // In the code page of the bridge's side, by its conversion there.
    std::string ToAnsiCodePage(std::u16string_view text) override;

  private:
    // The answer's value; Unreachable for a refusal or an answer of the wrong shape.
    Field Ask(Message request, Field::Kind wanted);

    Channel& channel_;
};

}  // namespace hueloom::bridge
