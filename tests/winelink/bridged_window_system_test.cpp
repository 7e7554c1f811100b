// The chat link over the bridge: a line sent through the bridge reaches the
// chat client as it would directly, and a request the bridge will not serve
// is an error, never a message sent.
#include "winelink/bridged_window_system.h"

#include <gtest/gtest.h>

#include "chatlink/chatlink.h"
#include "support/chat_fixture.h"
#include "winelink/bridge_server.h"

namespace hueloom::bridge {
namespace {

// The wire without a process: each request encoded, read back, served.
class Loopback final : public Channel {
  public:
    explicit Loopback(WindowSystem& windows) : windows_(windows) {}
    Message Ask(const Message& request) override {
        return ReadBack(Encode(Serve(windows_, ReadBack(Encode(request)))));
    }

  private:
    static Message ReadBack(const std::string& wire) {
        MessageReader reader;
        reader.Append(wire);
        std::optional<Message> read = reader.Take();
        EXPECT_TRUE(read && reader.waiting() == 0);
        return read.value_or(Message{"error"});
    }

    WindowSystem& windows_;
};

TEST(BridgedWindowSystem, ALineArrivesAsTheNineMessagesWithItsBytes) {
    testing::ChatFixture far;
    Loopback loopback(far.windows);
    BridgedWindowSystem bridged(loopback);
    ScopedWindowSystem useBridge(bridged);
    const std::u16string line{u'C', u'a', u'f', 0xE9, u'\n', 0x1A, 0xD800, u' ', 0x20AC};

    SendChatLine(line);

    // Converted on the far side, by its code page: a lone surrogate as '?'.
    EXPECT_EQ(far.Messages(), far.NineMessages(std::string("Caf\xE9\n\x1A? \x80")));
}

TEST(BridgedWindowSystem, WhatTheBridgeDoesNotServeIsAnError) {
    InProcessWindowSystem far;
    const Hwnd window = far.AddWindow(0, "x");
    Loopback loopback(far);
    BridgedWindowSystem bridged(loopback);
    constexpr std::uint32_t kWmGetText = 0x000D;
    char text[8] = {};
    EXPECT_THROW(bridged.SendMessageA(window, kWmGetText, sizeof text,
                                      reinterpret_cast<std::intptr_t>(text)),
                 Error);
    EXPECT_THROW(bridged.SendMessageA(window, kWmChar, 13, INT64_MAX), Error);
    const Message unknown = Serve(far, {"destroy", {Field::Number(window)}});
    EXPECT_EQ(unknown.word, "error");
    EXPECT_EQ(Serve(far, {"find", {Field::Bytes(std::string("x\0y", 3)), Field::None()}}).word,
              "error");
    far.ClearCalls();
    EXPECT_EQ(Serve(far, {"send", {Field::Number(window), Field::Number(kWmSetText),
                                   Field::Number(0), Field::Number(1234)}}).word,
              "error");
    EXPECT_TRUE(far.calls().empty());
    // The form's own calls do not cross.
    EXPECT_EQ(bridged.CreateRectRgn(0, 0, 1, 1), 0u);
}

}  // namespace
}  // namespace hueloom::bridge
