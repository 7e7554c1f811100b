// What hueloom-wine-bridge.exe does with a request: the chat link's calls,
// made on the window system it is given, and nothing else of it.
#pragma once

#include <cstddef>
#include <functional>

#include "host/window_system.h"
#include "winelink/bridge_protocol.h"

namespace hueloom::bridge {

// The answer to one request; a request the bridge does not serve, or one
// whose fields are wrong, is refused with the reason. handing runs just
// before a window message is sent, once the request is found sound.
Message Serve(
    WindowSystem& windows, const Message& request, const std::function<void()>& handing = [] {});

// The bridge's two ends: reading (0 at the end of its input) and writing
// (false once the reader has gone); served sees each request and its answer.
struct ByteStream {
    std::function<std::size_t(char* bytes, std::size_t size)> read;
    std::function<bool(const std::string& bytes)> write;
    std::function<void(const Message& request, const Message& answer)> served = {};
};

// Greets, then answers each request, saying "handing" before each window
// message, until the input ends (0) or the reader goes (1). Input that makes
// no message, or more than the bound, is answered with an error line and
// ends the serving (2): nothing after it can be read as meant.
int ServeStream(WindowSystem& windows, const ByteStream& stream);

}  // namespace hueloom::bridge
