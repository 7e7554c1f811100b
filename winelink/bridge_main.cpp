// hueloom-wine-bridge.exe: runs in the user's Wine prefix beside the chat
// client and answers the Linux program's requests, one a line on standard
// input, one answer a line on standard output, until its input ends. Each
// call is the system's own, made from inside the prefix, so the chat client
// gets what hueloom.exe would send it there.
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <algorithm>
#include <string>

#include "host/bridge/bridge_protocol.h"
#include "host/bridge/bridge_server.h"
#include "win32/win32_window_system.h"

namespace {

// The standard handles as raw bytes: no runtime buffering (each answer must
// leave at once), no CR LF for LF and no end at 0x1A.
bool WriteAll(HANDLE out, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        DWORD count = 0;
        const auto piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1 << 20));
        if (!::WriteFile(out, bytes.data() + written, piece, &count, nullptr) || count == 0) {
            return false;
        }
        written += count;
    }
    return true;
}

}  // namespace

int main() {
    using namespace hueloom;
    const HANDLE in = ::GetStdHandle(STD_INPUT_HANDLE);
    const HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if (!WriteAll(out, bridge::Encode(bridge::Greeting()))) return 1;

    Win32WindowSystem windows;
    std::string received;
    static char chunk[1 << 16];
    while (true) {
        try {
            while (std::optional<bridge::Message> request = bridge::TakeMessage(received)) {
                if (!WriteAll(out, bridge::Encode(bridge::Serve(windows, *request)))) return 1;
            }
        } catch (const bridge::ProtocolError& error) {
            // Nothing after a broken message can be read as meant: say why and end.
            WriteAll(out, bridge::Encode(bridge::Refusal(error.what())));
            return 2;
        }
        DWORD count = 0;
        if (!::ReadFile(in, chunk, sizeof chunk, &count, nullptr) || count == 0) return 0;
        received.append(chunk, count);
    }
}
