// The chat client under Wine, as the Linux program reaches it: in the user's
// prefix, through hueloom-wine-bridge.exe run by that prefix's Wine. The
// bridge starts only where a wineserver already runs for the prefix, so that
// looking never makes a prefix, boots one or starts a server; it is ended
// again while no chat client is there, so that it keeps no server alive.
#pragma once

#include <memory>
#include <string>

#include "winelink/bridge_process.h"
#include "winelink/bridged_window_system.h"
#include "winelink/chat_routing_window_system.h"
#include "winelink/wine_prefix.h"

namespace hueloom {

// Where the bridges may be, in the order they are tried.
struct BridgePlaces {
    std::string chosen;      // HUELOOM_WINE_BRIDGE: this one, whatever the prefix
    std::string installed;   // the folder holding win64/ and win32/, each with the bridge
    std::string built64;     // the cross builds' own
    std::string built32;
};

// The bridge for a prefix of that architecture: the chosen one, else the first
// of the installed and the built that exists. Empty where none does.
std::string FindBridge(const BridgePlaces& places, PrefixArch arch);

struct WineChatSettings {
    std::string prefix;
    BridgePlaces bridges;
    BridgeTimes times;
    // The environment the bridge runs in: the program's own, locale and all,
    // so that Wine gives it the code page the chat client has.
    std::vector<std::string> environment;
    std::string wine = "wine";

    // WINEPREFIX or ~/.wine, HUELOOM_WINE_BRIDGE, the places this build was
    // told of, and this process's environment.
    static WineChatSettings FromEnvironment(const BridgePlaces& builtIn);
};

class WineChat final : public ChatElsewhere {
  public:
    WineChat(WineChatSettings settings, std::string frameClass);

    // Whether the chat client's frame window is in the prefix now. False,
    // without running Wine, where the prefix does not exist or no wineserver
    // runs for it. Unreachable when the bridge cannot be found or asked.
    bool ChatClientRunning() override;
    WindowSystem& Windows() override { return windows_; }
    // Ends the bridge: its input closed, a while to end, then killed.
    void Stop() { bridge_.reset(); }

  private:
    // Starts a bridge for the prefix's architecture where none is ready.
    BridgeProcess& Bridge();

    class Channel final : public bridge::Channel {
      public:
        explicit Channel(WineChat& chat) : chat_(chat) {}
        bridge::Message Ask(const bridge::Message& request) override {
            return chat_.Bridge().Ask(request);
        }

      private:
        WineChat& chat_;
    };

    WineChatSettings settings_;
    std::string frameClass_;
    Channel channel_{*this};
    bridge::BridgedWindowSystem windows_{channel_};
    std::unique_ptr<BridgeProcess> bridge_;
};

}  // namespace hueloom
