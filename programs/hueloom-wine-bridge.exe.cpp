// hueloom-wine-bridge.exe: runs in the user's Wine prefix beside the chat
// client and answers the Linux program's requests, one a line on standard
// input, one answer a line on standard output, until its input ends. Each
// call is the system's own, made from inside the prefix, so the chat client
// gets what hueloom.exe would send it there. It ends by itself once the chat
// client it found has gone, so that it never keeps the prefix's wineserver up.
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <string>

#include "win32/win32_window_system.h"
#include "winelink/bridge_protocol.h"
#include "winelink/bridge_server.h"

namespace {

// The standard handles as raw bytes: no runtime buffering (each answer must
// leave at once), no CR LF for LF and no end at 0x1A.
bool WriteAll(HANDLE out, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        DWORD count = 0;
        const auto piece =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1 << 20));
        if (!::WriteFile(out, bytes.data() + written, piece, &count, nullptr) || count == 0) {
            return false;
        }
        written += count;
    }
    return true;
}

// The top-level window the last look-up found (the chat client's frame), and
// a thread that ends the bridge within a quarter second of its going.
std::atomic<std::uintptr_t> watched{0};
constexpr DWORD kWatchEveryMs = 250;

DWORD WINAPI WatchChatClient(void*) {
    while (true) {
        ::Sleep(kWatchEveryMs);
        const std::uintptr_t window = watched.load();
        if (window != 0 && !::IsWindow(reinterpret_cast<HWND>(window))) ::ExitProcess(0);
    }
}

}  // namespace

int main() {
    using namespace hueloom;
    const HANDLE in = ::GetStdHandle(STD_INPUT_HANDLE);
    const HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
    Win32WindowSystem windows;
    bridge::ByteStream stream;
    stream.read = [in](char* bytes, std::size_t size) -> std::size_t {
        DWORD count = 0;
        if (!::ReadFile(in, bytes, static_cast<DWORD>(size), &count, nullptr)) return 0;
        return count;
    };
    stream.write = [out](const std::string& bytes) { return WriteAll(out, bytes); };
    stream.served = [](const bridge::Message& request, const bridge::Message& answer) {
        if (request.word == "find" && answer.word == "ok" && answer.fields.size() == 1 &&
            answer.fields[0].number != 0) {
            watched = static_cast<std::uintptr_t>(answer.fields[0].number);
        }
    };
    if (HANDLE watch = ::CreateThread(nullptr, 0, WatchChatClient, nullptr, 0, nullptr)) {
        ::CloseHandle(watch);
    }
    return bridge::ServeStream(windows, stream);
}
