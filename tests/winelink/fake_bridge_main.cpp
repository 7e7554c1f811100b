// A bridge for the tests, native and quick: the bridge's own serving of a
// chat client's window tree kept in memory, misbehaving on request.
//
//   fake_bridge serve            answers every request
//   fake_bridge pid FILE         writes its process id to FILE, then serves
//   fake_bridge slow MS          the chat client takes MS ms over each message
//   fake_bridge hung             the chat client never answers a message
//   fake_bridge silent           never greets
//   fake_bridge mute             answers no look-up after the first, and says nothing
//   fake_bridge flood MS [N]     answers those (after N) with endless bytes, a KiB each MS ms
//   fake_bridge fields           answers those with fields that never end
//   fake_bridge wrapper FILE     a wrapper: its child, whose id goes to FILE, serves mute
//   fake_bridge die-after N      answers N requests, then ends by itself
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include "support/chat_fixture.h"
#include "winelink/bridge_server.h"

namespace {

using namespace hueloom;

bool WriteAll(const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count =
            ::write(STDOUT_FILENO, bytes.data() + written, bytes.size() - written);
        if (count <= 0) return false;
        written += static_cast<std::size_t>(count);
    }
    return true;
}

[[noreturn]] void Forever(const std::string& start, const std::string& piece, long pauseMs) {
    WriteAll(start);
    while (WriteAll(piece)) std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
    std::_Exit(0);
}

// The chat client's window tree, with the first look-ups (so that a test
// knows the bridge is up) and then the rest answered as the mode says.
struct Misbehaving final : InProcessWindowSystem {
    Hwnd FindWindowA(const char* className, const char* windowName) override {
        if (answered-- > 0) return InProcessWindowSystem::FindWindowA(className, windowName);
        if (mode == "mute") ::pause();
        if (mode == "flood") Forever("ok 4000000:", std::string(1024, 'x'), number);
        if (mode == "fields") Forever("ok", " 1", 1);
        return InProcessWindowSystem::FindWindowA(className, windowName);
    }
    std::intptr_t SendMessageA(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                               std::intptr_t lParam) override {
        if (mode == "hung") ::pause();
        if (mode == "slow") std::this_thread::sleep_for(std::chrono::milliseconds(number));
        return InProcessWindowSystem::SendMessageA(window, message, wParam, lParam);
    }
    std::string mode;
    long number = 0, answered = 1;
};

}  // namespace

int main(int argc, char** argv) {
    std::string mode = argc > 1 ? argv[1] : "serve";
    const long number = argc > 2 ? std::atol(argv[2]) : 0;
    if (mode == "silent") {
        ::pause();
        return 0;
    }
    if (mode == "pid") std::ofstream(argv[2]) << ::getpid() << '\n';
    if (mode == "wrapper") {
        // The parent waits as a wrapper script does; the child is the bridge.
        if (const pid_t child = ::fork(); child > 0) {
            ::waitpid(child, nullptr, 0);
            return 0;
        }
        std::ofstream(argv[2]) << ::getpid() << '\n';
        mode = "mute";
    }
    Misbehaving windows;
    windows.mode = mode;
    windows.number = number;
    if (argc > 3) windows.answered = std::atol(argv[3]);
    const testing::ChatTree chat(windows);
    long answered = 0;
    bridge::ByteStream stream;
    stream.read = [](char* bytes, std::size_t size) -> std::size_t {
        const ssize_t count = ::read(STDIN_FILENO, bytes, size);
        return count > 0 ? static_cast<std::size_t>(count) : 0;
    };
    stream.write = WriteAll;
    stream.served = [&](const bridge::Message&, const bridge::Message&) {
        if (mode == "die-after" && ++answered == number) std::_Exit(0);
    };
    return bridge::ServeStream(windows, stream);
}
