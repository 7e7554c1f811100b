// A bridge for the tests, native and quick: greets, serves a chat client's
// window tree kept in memory, and misbehaves on request.
//
//   fake_bridge serve           answers every request
//   fake_bridge hang-after N    answers N requests, then reads on and answers none
//   fake_bridge die-after N     answers N requests, then ends
//   fake_bridge silent          never greets
//   fake_bridge pid FILE        writes its process id to FILE, then serves
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "host/bridge/bridge_protocol.h"
#include "host/bridge/bridge_server.h"
#include "support/chat_fixture.h"

namespace {

bool WriteAll(const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(STDOUT_FILENO, bytes.data() + written, bytes.size() - written);
        if (count <= 0) return false;
        written += static_cast<std::size_t>(count);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace hueloom;
    const std::string mode = argc > 1 ? argv[1] : "serve";
    const long limit = argc > 2 ? std::atol(argv[2]) : -1;
    if (mode == "silent") {
        ::pause();
        return 0;
    }
    if (mode == "pid") std::ofstream(argv[2]) << ::getpid() << '\n';
    testing::ChatFixture chat;
    WriteAll(bridge::Encode(bridge::Greeting()));
    std::string received;
    char chunk[4096];
    long answered = 0;
    while (true) {
        while (std::optional<bridge::Message> request = bridge::TakeMessage(received)) {
            if (answered == limit && mode == "die-after") return 3;
            if (answered == limit && mode == "hang-after") continue;
            WriteAll(bridge::Encode(bridge::Serve(chat.windows, *request)));
            ++answered;
        }
        const ssize_t count = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (count <= 0) return 0;
        received.append(chunk, static_cast<std::size_t>(count));
    }
}
