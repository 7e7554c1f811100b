// The in-process window tree: look-ups with the host's rules, messages, placement.
#include "inprocess/in_process_window_system.h"

#include <gtest/gtest.h>

namespace hueloom {
namespace {

// Children of one parent, created back to front so that they stand
// front to back as: icon1, other, icon2, icon3.
struct Tree : ::testing::Test {
    InProcessWindowSystem ws;
    Hwnd top = ws.AddWindow(0, "Chat Room", "Lobby");
    Hwnd icon3 = ws.AddWindow(top, "_button");
    Hwnd icon2 = ws.AddWindow(top, "_BUTTON");
    Hwnd other = ws.AddWindow(top, "EditBox");
    Hwnd icon1 = ws.AddWindow(top, "_Button");
};

TEST_F(Tree, ChildLookUpsFollowTheHostsRules) {
    const Hwnd stranger = ws.AddWindow(0, "_button");  // top level, not a child
    const struct {
        Hwnd parent, after;
        const char* className;
        Hwnd expected;
    } cases[] = {
        {top, 0, "_button", icon1}, {top, icon1, "_button", icon2}, {top, icon2, "_button", icon3},
        {top, icon3, "_button", 0}, {top, other, "_button", icon2}, {top, stranger, "_button", 0},
        {top, 0, nullptr, icon1},   {top, icon1, nullptr, other},   {0, 0, "_button", stranger},
        {0, 0, "chat room", top},   {0xDEAD, 0, "_button", 0},      {top, 0, "_button2", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ws.FindWindowExA(c.parent, c.after, c.className, nullptr), c.expected)
            << c.parent << " after " << c.after << " " << (c.className ? c.className : "null");
    }
}

TEST_F(Tree, TopLevelLookUpMatchesClassAndTitleIgnoringCase) {
    const Hwnd front = ws.AddWindow(0, "chat room", "Town Square");
    EXPECT_EQ(ws.FindWindowA("CHAT ROOM", nullptr), front);
    EXPECT_EQ(ws.FindWindowA("chat room", "LOBBY"), top);
    EXPECT_EQ(ws.FindWindowA(nullptr, "town square"), front);
    EXPECT_EQ(ws.FindWindowA("_button", nullptr), 0u);  // children are not top level
    EXPECT_EQ(ws.FindWindowA("chat room", "Lobby 2"), 0u);
    ws.BringToFront(top);
    EXPECT_EQ(ws.FindWindowA("chat room", nullptr), top);
}

TEST_F(Tree, DestroyedWindowsAndTheirChildrenAreGone) {
    ws.DestroyWindow(top);
    EXPECT_FALSE(ws.IsWindow(top));
    EXPECT_FALSE(ws.IsWindow(icon2));
    EXPECT_TRUE(ws.Children(0).empty());
    EXPECT_EQ(ws.FindWindowExA(top, 0, nullptr, nullptr), 0u);
    EXPECT_EQ(ws.AddWindow(top, "late"), 0u);
}

TEST_F(Tree, MessagesReachTheHandlerAndAreRecorded) {
    int seen = 0;
    Hwnd box = 0;
    box = ws.AddWindow(top, "editbox", {},
                       {.onMessage = [&, count = 0](std::uint32_t message, std::uintptr_t wParam,
                                                    std::intptr_t) mutable {
                           seen = ++count;  // the handler keeps its own state
                           if (message == kWmKeyUp) ws.DestroyWindow(box);
                           return static_cast<std::intptr_t>(wParam + 1);
                       }});
    EXPECT_EQ(ws.SendMessageA(box, kWmChar, 13, 0), 14);
    EXPECT_EQ(ws.SendMessageA(box, kWmChar, 13, 0), 14);
    EXPECT_EQ(ws.SendMessageA(box, kWmKeyUp, 32, 7), 33);  // destroys itself safely
    EXPECT_EQ(ws.SendMessageA(box, kWmChar, 13, 0), 0);
    EXPECT_EQ(seen, 3);

    const std::string text = "hi there";
    EXPECT_EQ(ws.SendMessageA(icon1, kWmSetText, 0, reinterpret_cast<std::intptr_t>(text.c_str())),
              1);
    EXPECT_EQ(ws.Title(icon1), "hi there");  // no handler: the default sets the title
    EXPECT_EQ(ws.SendMessageA(0, kWmChar, 13, 0), 0);

    const auto& calls = ws.calls();
    ASSERT_EQ(calls.size(), 6u);
    EXPECT_EQ(calls[2].args, (std::vector<std::int64_t>{box, kWmKeyUp, 32, 7}));
    EXPECT_EQ(calls[4].args, (std::vector<std::int64_t>{icon1, kWmSetText, 0}));
    EXPECT_EQ(calls[4].texts, std::vector<std::string>{"hi there"});
    EXPECT_EQ(calls[5].args, (std::vector<std::int64_t>{0, kWmChar, 13, 0}));
}

TEST_F(Tree, SetWindowPosMovesAndMarksTheTopmostBand) {
    int notified = 0;
    const Hwnd back = ws.AddWindow(
        0, "form", {},
        {.onSetWindowPos = [&](Hwnd after, std::uint32_t) { notified += after == kHwndTopmost; }});
    ws.BringToFront(top);
    EXPECT_TRUE(ws.SetWindowPos(back, kHwndTopmost, 0, 0, 0, 0, kSwpNoMove | kSwpNoSize));
    EXPECT_TRUE(ws.IsTopmost(back));
    EXPECT_EQ(ws.Children(0).front(), back);
    EXPECT_EQ(notified, 1);
    EXPECT_EQ(ws.calls().back().args, (std::vector<std::int64_t>{back, 0xFFFFFFFF, 0, 0, 0, 0, 3}));
    ws.SetWindowPos(back, static_cast<Hwnd>(-2), 0, 0, 0, 0, 3);  // out of the band again
    EXPECT_FALSE(ws.IsTopmost(back));
    EXPECT_FALSE(ws.SetWindowPos(0xDEAD, kHwndTopmost, 0, 0, 0, 0, 3));
    EXPECT_FALSE(ws.IsTopmost(top));
}

// The program's window system keeps no record: a long session's lines go
// where they are sent and nowhere else.
TEST(InProcessWindowSystem, WithRecordingOffMessagesArriveAndNothingIsKept) {
    InProcessWindowSystem ws(CallRecording::kOff);
    const Hwnd box = ws.AddWindow(0, "editbox");
    const std::string line(1 << 20, 'x');
    ws.SendMessageA(box, kWmSetText, 0, reinterpret_cast<std::intptr_t>(line.c_str()));
    EXPECT_EQ(ws.FindWindowA("editbox", nullptr), box);
    EXPECT_EQ(ws.Title(box), line);
    EXPECT_TRUE(ws.calls().empty());
}

}  // namespace
}  // namespace hueloom
