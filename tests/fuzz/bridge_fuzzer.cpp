// Fuzzes the bridge's wire from both ends: any bytes on a pipe either make
// messages that survive a round trip and are served without harm, or are
// refused as a broken stream; never a crash, a hang or a misread.
#include <cstdint>
#include <string>

#include "support/chat_fixture.h"
#include "winelink/bridge_protocol.h"
#include "winelink/bridge_server.h"

namespace hueloom::fuzz {
namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace
}  // namespace hueloom::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace hueloom;
    static testing::ChatFixture chat;
    chat.windows.ClearCalls();
    bridge::MessageReader received;
    received.Append(reinterpret_cast<const char*>(data), size);
    try {
        while (std::optional<bridge::Message> message = received.Take()) {
            bridge::MessageReader again;
            again.Append(bridge::Encode(*message));
            const std::optional<bridge::Message> reread = again.Take();
            fuzz::Check(reread == message && again.waiting() == 0);
            const bridge::Message answer = bridge::Serve(chat.windows, *message);
            fuzz::Check(answer.word == "ok" || answer.word == "error");
        }
    } catch (const bridge::ProtocolError&) {
        // A broken stream: the reader stops there.
    }
    return 0;
}
