// What hueloom-wine-bridge.exe does with a request: the chat link's calls,
// made on the window system it is given, and nothing else of it.
#pragma once

#include "host/bridge/bridge_protocol.h"
#include "host/window_system.h"

namespace hueloom::bridge {

// The answer to one request; a request the bridge does not serve, or one
// whose fields are wrong, is refused with the reason.
Message Serve(WindowSystem& windows, const Message& request);

}  // namespace hueloom::bridge
