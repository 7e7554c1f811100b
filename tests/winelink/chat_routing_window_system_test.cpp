// The Linux program's window system: each line goes to the chat client where
// it runs, the form's own calls stay home, and the two sides' handles never
// meet, though both number their windows alike.
#include "winelink/chat_routing_window_system.h"

#include <gtest/gtest.h>

#include <utility>

#include "chatlink/chatlink.h"
#include "host/error.h"
#include "host/window_shape.h"
#include "support/chat_fixture.h"

namespace hueloom {
namespace {

class FakeElsewhere final : public ChatElsewhere {
  public:
    bool ChatClientRunning() override {
        if (unreachable) throw Error(1001, "no bridge");
        return running;
    }
    WindowSystem& Windows() override { return chat.windows; }

    testing::ChatFixture chat;
    bool running = false;
    bool unreachable = false;
};

struct Routing {
    testing::ChatFixture home;  // the stand-in's tree, numbered as the far one
    FakeElsewhere elsewhere;
    ChatRoutingWindowSystem windows{home.windows, elsewhere};
    ScopedWindowSystem useRouting{windows};

    void ClearCalls() {
        home.windows.ClearCalls();
        elsewhere.chat.windows.ClearCalls();
    }
};

TEST(ChatRoutingWindowSystem, EachLineGoesWhereTheChatClientRunsNow) {
    Routing routing;
    ASSERT_EQ(routing.home.chat.input, routing.elsewhere.chat.chat.input);  // the same numbers
    routing.ClearCalls();

    SendChatLine(u"home");
    routing.elsewhere.running = true;
    SendChatLine(u"far");
    routing.elsewhere.running = false;
    SendChatLine(u"home again");

    EXPECT_EQ(routing.home.LinesSent(), (std::vector<std::string>{"home", "home again"}));
    EXPECT_EQ(routing.elsewhere.chat.Messages(), routing.elsewhere.chat.NineMessages("far"));
}

TEST(ChatRoutingWindowSystem, TheFormsCallsStayHomeWhileLinesGoElsewhere) {
    Routing routing;
    routing.elsewhere.running = true;
    const Hwnd form = routing.home.windows.AddWindow(0, "HueloomForm");
    SendChatLine(u"far");
    routing.ClearCalls();

    MakeTopmost(form);
    ApplyNotchedRegion(form, 96);

    EXPECT_TRUE(routing.home.windows.IsTopmost(form));
    EXPECT_NE(routing.home.windows.WindowRegion(form), 0u);
    EXPECT_TRUE(routing.elsewhere.chat.windows.calls().empty());
}

TEST(ChatRoutingWindowSystem, HandlesFromElsewhereNeverNameAWindowAtHome) {
    Routing routing;
    routing.elsewhere.running = true;
    routing.windows.ChooseRouteForLine();
    const Hwnd far = routing.windows.FindWindowA(kChatFrameClass, nullptr);
    EXPECT_NE(far, routing.home.chat.frame);
    EXPECT_EQ(far & ChatRoutingWindowSystem::kElsewhereBit, ChatRoutingWindowSystem::kElsewhereBit);
    EXPECT_EQ(routing.windows.FindWindowA(kChatFrameClass, nullptr), far);  // stable

    // A line chosen for home later still reaches the far window by its handle,
    // as a send resumed after a nested one does; home's own handle stays home.
    routing.elsewhere.running = false;
    routing.windows.ChooseRouteForLine();
    routing.ClearCalls();
    routing.windows.SendMessageA(far, kWmChar, 13, 0);
    routing.windows.SendMessageA(routing.home.chat.frame, kWmChar, 13, 0);
    EXPECT_EQ(
        routing.elsewhere.chat.Messages(),
        (std::vector<testing::Message>{{routing.elsewhere.chat.chat.frame, kWmChar, 13, {}}}));
    EXPECT_EQ(routing.home.Messages(),
              (std::vector<testing::Message>{{routing.home.chat.frame, kWmChar, 13, {}}}));
}

TEST(ChatRoutingWindowSystem, AChatThatCannotBeAskedStopsTheLineUnsent) {
    Routing routing;
    routing.elsewhere.unreachable = true;
    routing.ClearCalls();
    EXPECT_THROW(SendChatLine(u"lost?"), Error);
    EXPECT_TRUE(routing.home.Messages().empty());
    EXPECT_TRUE(routing.elsewhere.chat.Messages().empty());
    // Once it can be asked again, the next line goes.
    routing.elsewhere.unreachable = false;
    SendChatLine(u"sent");
    EXPECT_EQ(routing.home.LinesSent(), std::vector<std::string>{"sent"});
}

// A line sent during another's yields keeps to a route of its own: the line it
// interrupted, part of which reached the chat elsewhere, fails as perhaps sent.
TEST(ChatRoutingWindowSystem, ALineSentDuringAnothersYieldsLeavesItsRouteAlone) {
    struct FailingAway final : InProcessWindowSystem, ChatElsewhere {
        bool ChatClientRunning() override { return running; }
        WindowSystem& Windows() override { return *this; }
        std::intptr_t SendMessageA(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                                   std::intptr_t lParam) override {
            if (failing) throw Error(1001, "bridge ended");
            return InProcessWindowSystem::SendMessageA(window, message, wParam, lParam);
        }
        bool running = true, failing = false;
    };
    testing::ChatFixture home;
    FailingAway away;
    const testing::ChatTree farChat(away);
    ChatRoutingWindowSystem routing(home.windows, away);
    ScopedWindowSystem useRouting(routing);
    bool interrupted = false;
    home.toolkit.pendingEvent = [&] {
        if (std::exchange(interrupted, true)) return;
        away.running = false;  // the chat elsewhere quits: this line goes home
        SendChatLine(u"nested");
        away.failing = true;
    };
    try {
        SendChatLine(u"outer");
        ADD_FAILURE() << "the interrupted line's failure went unsaid";
    } catch (const Error& error) {
        EXPECT_EQ(error.number(), kMayHaveReachedErrorNumber);
    }
    EXPECT_EQ(home.LinesSent(), std::vector<std::string>{"nested"});
}

}  // namespace
}  // namespace hueloom
