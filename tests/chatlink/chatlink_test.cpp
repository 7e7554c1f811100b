// Delivering a line into the chat client: look-ups, the nine messages, the yields.
#include "chatlink/chatlink.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "chatlink/chat_client_classes.h"
#include "host/toolkit.h"
#include "inprocess/in_process_window_system.h"
#include "support/chat_fixture.h"
#include "support/counting_toolkit.h"

namespace hueloom {
namespace {

using namespace std::string_view_literals;

// The chat client's tree with named handles; children are created back to
// front, so each list below reads front to back.
struct Chat {
    InProcessWindowSystem ws;
    std::map<Hwnd, std::string> names{{0, "0"}};

    Hwnd Add(Hwnd parent, std::string_view className, std::string name) {
        const Hwnd window = ws.AddWindow(parent, className);
        names[window] = std::move(name);
        return window;
    }
    Hwnd Named(const std::string& name) const {
        for (const auto& [window, n] : names) {
            if (n == name) return window;
        }
        return 0;
    }
    // One chat room: its input box, a chat log box and the icons.
    Hwnd AddRoom(Hwnd area, const std::string& room, int icons, bool upper = false) {
        const auto cased = [upper](const char* name) {
            return upper ? testing::UpperCase(name) : name;
        };
        const Hwnd window = Add(area, cased(kChatRoomClass), room);
        for (int k = icons; k >= 1; --k) {
            Add(window, cased(kChatIconClass), room + "icon" + std::to_string(k));
            if (k == 3) Add(window, "other button", room + "button");
        }
        Add(window, kChatInputClass, room + "log");
        Add(window, cased(kChatInputClass), room + "input");
        return window;
    }
    Hwnd AddClient(bool upper = false) {
        Add(0, "other frame", "desk");
        const Hwnd main =
            Add(0, upper ? testing::UpperCase(kChatFrameClass) : kChatFrameClass, "main");
        return Add(main, upper ? testing::UpperCase(kChatAreaClass) : kChatAreaClass, "area");
    }

    // The log as lines, "DoEvents" where the toolkit yielded.
    std::vector<std::string> Trace(const std::vector<std::size_t>& marks) const {
        static const std::map<std::int64_t, std::string> messages{
            {kWmSetText, "WM_SETTEXT"},
            {kWmChar, "WM_CHAR"},
            {kWmLButtonDown, "WM_LBUTTONDOWN"},
            {kWmKeyUp, "WM_KEYUP"}};
        std::vector<std::string> lines;
        auto mark = marks.begin();
        for (std::size_t k = 0; k <= ws.calls().size(); ++k) {
            for (; mark != marks.end() && *mark == k; ++mark) lines.push_back("DoEvents");
            if (k == ws.calls().size()) break;
            const RecordedCall& c = ws.calls()[k];
            std::string line = c.operation;
            if (c.operation == "FindWindowExA") {
                line += " " + names.at(static_cast<Hwnd>(c.args[0])) + " " +
                        names.at(static_cast<Hwnd>(c.args[1])) + " " + c.texts[0];
            } else if (c.operation == "FindWindowA") {
                line += " " + c.texts[0];
            } else {
                line += " " + names.at(static_cast<Hwnd>(c.args[0])) + " " +
                        messages.at(c.args[1]) + " " + std::to_string(c.args[2]);
                line += c.args[1] == kWmSetText ? " \"" + c.texts[0] + "\""
                                                : " " + std::to_string(c.args[3]);
            }
            if (c.operation == "FindWindowExA" || c.operation == "FindWindowA") {
                line += c.texts[1] == "(null)" ? "" : " TITLE " + c.texts[1];
            }
            lines.push_back(line);
        }
        return lines;
    }
};

// What one SendChatLine should do, for the given names of its windows.
std::vector<std::string> Expected(const std::string& line, const std::string& main,
                                  const std::string& area, const std::string& room,
                                  const std::string& input, const std::vector<std::string>& icons,
                                  const std::string& target) {
    std::vector<std::string> lines{
        "FindWindowA aol frame25",
        "FindWindowExA " + main + " 0 mdiclient",
        "FindWindowExA " + area + " 0 aol child",
        "FindWindowExA " + room + " 0 richcntl",
        "SendMessageA " + input + " WM_SETTEXT 0 \"" + line + "\"",
    };
    std::string after = "0";
    for (const std::string& icon : icons) {
        lines.push_back("FindWindowExA " + room + " " + after + " _aol_icon");
        after = icon;
    }
    for (int round = 0; round < 2; ++round) {
        lines.insert(lines.end(), {"SendMessageA " + input + " WM_CHAR 13 0", "DoEvents",
                                   "SendMessageA " + target + " WM_LBUTTONDOWN 0 0",
                                   "SendMessageA " + target + " WM_KEYUP 32 0", "DoEvents",
                                   "SendMessageA " + target + " WM_CHAR 13 0"});
    }
    return lines;
}

const std::vector<std::string> kSixIcons{"roomicon1", "roomicon2", "roomicon3",
                                         "roomicon4", "roomicon5", "roomicon6"};

struct ChatLink : ::testing::Test {
    CountingToolkit toolkit;
    std::vector<std::size_t> marks;  // where in the window system's log each yield came
    std::function<void()> duringYield;
    std::optional<Chat> chat;
    std::optional<ScopedToolkit> installedToolkit{std::in_place, toolkit};
    std::optional<ScopedWindowSystem> installedWindows;
    void SetUp() override {
        toolkit.pendingEvent = [this] {
            marks.push_back(chat->ws.calls().size());
            if (duringYield) duringYield();
        };
        Fresh();
    }
    // A new, empty window system, installed.
    void Fresh() {
        installedWindows.reset();
        chat.emplace();
        marks.clear();
        installedWindows.emplace(chat->ws);
    }
};

TEST_F(ChatLink, FullTreeGetsTheNineMessagesInOrder) {
    for (bool upper : {false, true}) {  // class names match whatever their case
        Fresh();
        chat->AddRoom(chat->AddClient(upper), "room", 7, upper);
        SendChatLine(u"<Font Color=#FF0000>hi");
        EXPECT_EQ(chat->Trace(marks), Expected("<Font Color=#FF0000>hi", "main", "area", "room",
                                               "roominput", kSixIcons, "roomicon6"));
        EXPECT_EQ(chat->ws.Title(chat->Named("roominput")), "<Font Color=#FF0000>hi");
    }
}

TEST_F(ChatLink, AbsentClientSendsEverythingToNoWindow) {
    chat->Add(0, "other frame", "desk");
    SendChatLine(u"hello");
    EXPECT_EQ(chat->Trace(marks),
              Expected("hello", "0", "0", "0", "0", {"0", "0", "0", "0", "0", "0"}, "0"));
}

TEST_F(ChatLink, FewerThanSixIconsWrapAroundAfterNoWindow) {
    const struct {
        int icons;
        std::vector<std::string> found;
    } cases[] = {
        {6, kSixIcons},
        {5, {"roomicon1", "roomicon2", "roomicon3", "roomicon4", "roomicon5", "0"}},
        {4, {"roomicon1", "roomicon2", "roomicon3", "roomicon4", "0", "roomicon1"}},
        {3, {"roomicon1", "roomicon2", "roomicon3", "0", "roomicon1", "roomicon2"}},
        {2, {"roomicon1", "roomicon2", "0", "roomicon1", "roomicon2", "0"}},
        {1, {"roomicon1", "0", "roomicon1", "0", "roomicon1", "0"}},
        {0, {"0", "0", "0", "0", "0", "0"}},
    };
    for (const auto& c : cases) {
        Fresh();
        chat->AddRoom(chat->AddClient(), "room", c.icons);
        SendChatLine(u"x");
        EXPECT_EQ(chat->Trace(marks),
                  Expected("x", "main", "area", "room", "roominput", c.found, c.found.back()))
            << c.icons << " icons";
    }
}

TEST_F(ChatLink, OnlyTheFrontMostRoomIsUsed) {
    const Hwnd area = chat->AddClient();
    const Hwnd back = chat->AddRoom(area, "back", 6);
    chat->AddRoom(area, "front", 6);
    SendChatLine(u"one");
    std::vector<std::string> icons;
    for (int k = 1; k <= 6; ++k) icons.push_back("fronticon" + std::to_string(k));
    EXPECT_EQ(chat->Trace(marks),
              Expected("one", "main", "area", "front", "frontinput", icons, "fronticon6"));

    chat->ws.BringToFront(back);
    chat->ws.ClearCalls();
    marks.clear();
    SendChatLine(u"two");
    for (int k = 1; k <= 6; ++k) icons[k - 1] = "backicon" + std::to_string(k);
    EXPECT_EQ(chat->Trace(marks),
              Expected("two", "main", "area", "back", "backinput", icons, "backicon6"));
}

TEST_F(ChatLink, EmptyLineStillMakesBothRounds) {
    chat->AddRoom(chat->AddClient(), "room", 6);
    SendChatLine(u"");
    EXPECT_EQ(chat->Trace(marks),
              Expected("", "main", "area", "room", "roominput", kSixIcons, "roomicon6"));
}

TEST_F(ChatLink, LineGoesOutInTheCodePageAndNulDoesNotCutIt) {
    chat->AddRoom(chat->AddClient(), "room", 6);
    SendChatLine(u"caf\u00e9 \u20ac\u4e2d\0rest"sv);
    const std::string sent = "caf\xe9 \x80??rest";
    EXPECT_EQ(chat->ws.calls()[4].texts, std::vector<std::string>{sent});
    EXPECT_EQ(chat->ws.Title(chat->Named("roominput")), sent);  // nothing cut off
}

TEST_F(ChatLink, NestedSendCompletesBeforeTheOuterOneResumes) {
    chat->AddRoom(chat->AddClient(), "room", 6);
    bool nested = false;
    duringYield = [&] {
        if (nested) return;
        nested = true;
        SendChatLine(u"inner");
    };
    SendChatLine(u"outer");

    const auto outer =
        Expected("outer", "main", "area", "room", "roominput", kSixIcons, "roomicon6");
    const auto inner =
        Expected("inner", "main", "area", "room", "roominput", kSixIcons, "roomicon6");
    // The outer send yields for the first time after its first carriage return.
    std::vector<std::string> expected(outer.begin(), outer.begin() + 13);
    expected.insert(expected.end(), inner.begin(), inner.end());
    expected.insert(expected.end(), outer.begin() + 13, outer.end());
    EXPECT_EQ(chat->Trace(marks), expected);
    EXPECT_EQ(marks.size(), 8u);
}

TEST_F(ChatLink, EachCallUsesTheWindowSystemInstalledWhenItRuns) {
    chat->AddRoom(chat->AddClient(), "room", 6);
    InProcessWindowSystem later;
    std::optional<ScopedWindowSystem> swapped;
    duringYield = [&] {
        if (!swapped) swapped.emplace(later);
    };
    SendChatLine(u"x");
    EXPECT_EQ(chat->ws.calls().size(), 12u);  // the look-ups, WM_SETTEXT and one WM_CHAR
    ASSERT_EQ(later.calls().size(), 7u);      // every message after the first yield
    EXPECT_EQ(later.calls()[0].args[1], kWmLButtonDown);
    swapped.reset();
}

}  // namespace
}  // namespace hueloom
