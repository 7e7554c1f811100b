// Form1's start and close on the in-process toolkit: the announcements, the
// topmost band and region, unloading every form, and closing mid-handler.
#include <gtest/gtest.h>

#include <set>

#include "app/form1_design.h"
#include "form_fixture.h"
#include "host/forms.h"
#include "winelink/bridge_protocol.h"
#include "winelink/chat_routing_window_system.h"

namespace hueloom::testing {
namespace {

std::vector<std::string> Without(const std::vector<std::string>& operations,
                                 std::initializer_list<std::string> dropped) {
    std::vector<std::string> kept;
    for (const std::string& op : operations) {
        if (std::find(dropped.begin(), dropped.end(), op) == dropped.end()) kept.push_back(op);
    }
    return kept;
}

// Announcement first (its nine messages), then topmost, then the region; once only.
TEST(FormLifecycle, ActivationAnnouncesThenGoesTopmostThenShapesTheWindow) {
    FormFixture f;
    f.Window().Show();
    EXPECT_EQ(f.Messages(), f.NineMessages(kLoaded));
    EXPECT_EQ(Without(f.Operations(), {"FindWindowA", "FindWindowExA", "SendMessageA"}),
              (std::vector<std::string>{"SetWindowPos", "CreatePolygonRgn", "CreateRectRgn",
                                        "CreateRectRgn", "CombineRgn", "SetWindowRgn",
                                        "DeleteObject", "DeleteObject"}));
    EXPECT_TRUE(f.windows.IsTopmost(f.window));
    EXPECT_NE(f.windows.WindowRegion(f.window), 0u);
    f.Window().Show();
    EXPECT_EQ(f.LinesSent().size(), 1u);
}

// On a scaled display the region is scaled with the window, so it cuts nothing away.
TEST(FormLifecycle, ActivationShapesTheWindowAtTheDpiItIsShownAt) {
    FormFixture f;
    f.Window().SetDpi(144);
    f.Window().Show();
    const auto& calls = f.windows.calls();
    const auto outline = std::find_if(calls.begin(), calls.end(), [](const RecordedCall& c) {
        return c.operation == "CreateRectRgn" && c.args[2] != 0;
    });
    ASSERT_NE(outline, calls.end());
    EXPECT_EQ(outline->args, (std::vector<std::int64_t>{0, 0, 878, 552}));
}

// The close box announces, unloads and closes for good; the window goes once
// no handler runs, and a closed window is never shown again.
TEST(FormLifecycle, UnloadAnnouncesAndClosesForGood) {
    FormFixture f;
    f.Window().Show();
    f.windows.ClearCalls();
    f.Window().UserClose();
    EXPECT_EQ(f.Messages(), f.NineMessages(kUnload));
    EXPECT_TRUE(f.Window().closed());
    EXPECT_TRUE(f.Window().released());
    EXPECT_TRUE(Forms().empty());
    f.Window().Show();
    f.Window().UserClose();
    f.Click();
    EXPECT_FALSE(f.Window().shown());
    EXPECT_EQ(f.LinesSent().size(), 1u);
}

// Every form goes, each announcing once.
TEST(FormLifecycle, UnloadingOneFormUnloadsEveryForm) {
    FormFixture f;
    InProcessControls secondControls;
    Form1 second(secondControls);
    EXPECT_EQ(Forms().size(), 2u);
    f.Window().UserClose();
    EXPECT_TRUE(secondControls.window().closed());
    EXPECT_TRUE(Forms().empty());
    const std::vector<std::string> lines = f.LinesSent();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), kUnload), 2);
}

// Closed while Send yields (in the fade, or in the chat link's presses): the
// unload runs, the interrupted Send does nothing more, and the window is
// released only once Send has returned.
TEST(FormLifecycle, ACloseDuringSendsYieldAbandonsTheRestOfSend) {
    const struct {
        int closeAtYield;
        bool lineSent;
    } cases[] = {{1, false}, {2, true}};
    for (const auto& c : cases) {
        FormFixture f;
        const std::string line = Ansi(FadeTen(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                              0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, u"Hi", false));
        f.Window().Show();
        f.Text1().SetText(u"Hi");
        f.windows.ClearCalls();
        f.toolkit.calls = 0;
        bool releasedInside = false;
        f.toolkit.pendingEvent = [&] {
            if (f.toolkit.calls == c.closeAtYield) f.Window().UserClose();
            releasedInside = releasedInside || f.Window().released();
        };
        f.Click();
        std::vector<std::string> expected{kUnload};
        if (c.lineSent) expected.insert(expected.begin(), line);
        EXPECT_EQ(f.LinesSent(), expected);
        EXPECT_TRUE(f.Window().closed());
        EXPECT_FALSE(releasedInside);
        EXPECT_TRUE(f.Window().released());
    }
}

// Closed during the start announcement: no topmost band, no region.
TEST(FormLifecycle, ACloseDuringActivationSkipsTheShaping) {
    FormFixture f;
    f.toolkit.pendingEvent = [&] {
        if (f.toolkit.calls == 1) f.Window().UserClose();
    };
    f.Window().Show();
    EXPECT_EQ(f.LinesSent(), (std::vector<std::string>{kLoaded, kUnload}));
    const std::vector<std::string> ops = f.Operations();
    EXPECT_EQ(std::count(ops.begin(), ops.end(), "SetWindowPos"), 0);
    EXPECT_EQ(std::count(ops.begin(), ops.end(), "SetWindowRgn"), 0);
    EXPECT_TRUE(f.Window().closed());
}

// The chat under Wine out of reach, gone or failing midway: the window is
// shaped all the same, Send keeps the line and tells whether any of it may
// have gone, and the window still closes.
TEST(FormLifecycle, AChatThatFailsCostsNeitherTheWindowNorTheTruth) {
    struct Flaky final : InProcessWindowSystem, ChatElsewhere {
        bool ChatClientRunning() override {
            if (unreachable) throw bridge::Unreachable("bridge ended");
            return running;
        }
        WindowSystem& Windows() override { return *this; }
        std::intptr_t SendMessageA(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                                   std::intptr_t lParam) override {
            if (--failIn == 0) throw bridge::Unreachable("bridge ended");
            return InProcessWindowSystem::SendMessageA(window, message, wParam, lParam);
        }
        bool unreachable = false, running = false;
        int failIn = 0;
    };
    const struct {
        bool unreachable, running;
        ChatAtHome atHome;
        int failIn;         // the message of the line that fails
        std::string strip;  // how it starts
    } cases[] = {
        {true, false, ChatAtHome::kStandin, 0, "Not sent: an error stopped Send.Error: the chat "},
        {false, false, ChatAtHome::kNone, 0,
         "Not sent: an error stopped Send.Error: the chat client is not running"},
        {false, true, ChatAtHome::kNone, 1, "Not sent: an error stopped Send.Error: the chat "},
        {false, true, ChatAtHome::kNone, 2, "Perhaps sent: look in the chat before sending again."},
    };
    for (const auto& c : cases) {
        FormFixture f;
        Flaky away;
        ChatTree farChat(away);
        away.unreachable = c.unreachable;
        away.running = c.running;
        ChatRoutingWindowSystem routing(f.windows, away, c.atHome);
        ScopedWindowSystem useRouting(routing);
        f.Window().Show();
        const std::vector<std::string> ops = f.Operations();
        EXPECT_EQ(std::count(ops.begin(), ops.end(), "SetWindowPos"), 1) << c.strip;
        EXPECT_EQ(std::count(ops.begin(), ops.end(), "SetWindowRgn"), 1) << c.strip;
        f.Text1().SetText(u"kept");
        f.Box("Picture1").surface().ops.clear();
        away.failIn = c.failIn;
        f.Click();
        EXPECT_TRUE(f.LinesSent().empty());
        EXPECT_EQ(f.Text1().text(), u"kept");
        EXPECT_EQ(PrintedText(f.Box("Picture1").surface().ops).substr(0, c.strip.size()), c.strip);
        f.Window().UserClose();
        EXPECT_TRUE(f.Window().closed());
        EXPECT_TRUE(Forms().empty());
    }
}

// The builder makes every control of the design in order and passes the tab order.
TEST(FormLifecycle, EveryControlIsBuiltFromTheDesign) {
    FormFixture f;
    ASSERT_EQ(f.controls.made().size(), 52u);
    EXPECT_EQ(f.controls.made().front(), "Color1");
    EXPECT_EQ(f.controls.made().back(), "fade10");
    EXPECT_EQ(f.controls.tabOrder().front(), "Color2");
    EXPECT_EQ(f.controls.tabOrder().size(), 52u);
    EXPECT_EQ(f.Window().design().caption, u"Hueloom 2.0");
    EXPECT_TRUE(f.controls.optionButton("fade10").value());
    EXPECT_FALSE(f.controls.optionButton("fade3").value());
}

// The Windows program's identifiers are fixed: outside programs find its
// controls by them. The bars from 101 and the swatches from 201, column by
// column; the rest from 301; the thin boxes inside swatches have none.
TEST(FormDesign, WindowsIdentifiersAreTheFixedOnes) {
    const auto id = [&](const std::string& name) { return FindControl(name)->controlId; };
    for (int k = 0; k < 10; ++k) EXPECT_EQ(id(SwatchName(k)), 201 + k) << k;
    for (int bar = 0; bar < 30; ++bar) EXPECT_EQ(id(BarName(bar)), 101 + bar) << bar;
    const std::string rest[] = {"Slider1", "Text1", "Picture1", "Command1", "Label1",
                                "fade3",   "fade4", "fade5",    "fade10"};
    for (int k = 0; k < 9; ++k) EXPECT_EQ(id(rest[k]), 301 + k) << rest[k];
    for (const char* inner : {"Picture2", "Picture3", "Picture4"}) EXPECT_EQ(id(inner), 0);
    std::set<int> distinct;
    for (const ControlDesign& design : Form1Controls()) {
        if (design.controlId != 0) {
            EXPECT_TRUE(distinct.insert(design.controlId).second) << design.name;
        }
    }
    EXPECT_EQ(distinct.size(), 49u);
}

}  // namespace
}  // namespace hueloom::testing
