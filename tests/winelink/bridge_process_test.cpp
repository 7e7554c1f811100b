// The bridge as a process, against a fake one: answers come back, a bridge
// that misbehaves costs its time limit and an error, and the next request
// starts a new one.
#include "winelink/bridge_process.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "chatlink/chat_client_classes.h"

namespace hueloom {
namespace {

using namespace std::chrono_literals;
using bridge::Field;
using bridge::Message;

constexpr BridgeTimes kShort{2000ms, 300ms, 1000ms, 1500ms};
const Message kFindFrame{"find", {Field::Text(kChatFrameClass), Field::None()}};

BridgeProcess Fake(std::vector<std::string> mode, BridgeTimes times = kShort) {
    mode.insert(mode.begin(), FAKE_BRIDGE);
    return BridgeProcess(std::move(mode), {}, times);
}

bool Found(const Message& answer) {
    return answer.word == "ok" && answer.fields.size() == 1 && answer.fields[0].number != 0;
}

// Ended and reaped; an orphan may linger as a zombie where nothing reaps orphans.
bool Gone(pid_t pid, bool orphan = false) {
    std::string state;
    std::ifstream("/proc/" + std::to_string(pid) + "/stat") >> state >> state >> state;
    return state.empty() || (orphan && state == "Z");
}

TEST(BridgeProcess, AnswersLongTextsAndEndsWhenItsInputCloses) {
    const std::string pidFile = ::testing::TempDir() + "fake_bridge.pid";
    BridgeProcess process({FAKE_BRIDGE, "pid", pidFile}, {}, kShort);
    EXPECT_TRUE(Found(process.Ask(kFindFrame)));
    // More than a pipe holds, both ways.
    const std::u16string text(300000, u'\u20AC');
    const Message answer = process.Ask({"ansi", {Field::Bytes(bridge::Utf16Bytes(text))}});
    ASSERT_EQ(answer.fields.size(), 1u);
    EXPECT_EQ(answer.fields[0].bytes, std::string(text.size(), '\x80'));

    const pid_t pid = process.pid();
    process.Stop();
    EXPECT_FALSE(process.running());
    EXPECT_TRUE(Gone(pid));  // ended and reaped
}

// Each way a bridge or its chat client misbehaves costs at most its limit,
// ends the bridge's whole group, and says whether the message may have gone.
TEST(BridgeProcess, EachMisbehaviourCostsItsLimitAndTellsWhetherTheMessageMayHaveGone) {
    enum Outcome { kAnswered, kRefused, kUnreachable, kMayHaveReached };
    const std::string child = ::testing::TempDir() + "fake_bridge_child.pid";
    const Message press{
        "send", {Field::Number(1), Field::Number(kWmChar), Field::Number(13), Field::Number(0)}};
    const struct {
        std::vector<std::string> mode;
        Message request;
        Outcome outcome;
        std::chrono::milliseconds within;
    } cases[] = {
        {{"slow", "800"}, press, kAnswered, 1400ms},         // past the answer limit: waited for
        {{"hung"}, press, kMayHaveReached, 2500ms},          // the chat client's limit
        {{"mute"}, kFindFrame, kUnreachable, 1000ms},        // silent before any hand-over
        {{"flood", "1"}, kFindFrame, kUnreachable, 1000ms},  // bytes arrive past the limit
        {{"flood", "0"}, kFindFrame, kUnreachable, 1000ms},  // past the bound of a message
        {{"fields"}, kFindFrame, kUnreachable, 1000ms},
        {{"wrapper", child}, kFindFrame, kUnreachable, 1000ms},
        {{"serve"}, {"find", std::vector<Field>(9, Field::None())}, kRefused, 1000ms},
    };
    for (const auto& c : cases) {
        BridgeProcess process = Fake(c.mode);
        EXPECT_TRUE(Found(process.Ask(kFindFrame))) << c.mode[0];  // started and greeted
        const pid_t pid = process.pid();
        const auto asked = std::chrono::steady_clock::now();
        Outcome outcome = kAnswered;
        try {
            if (process.Ask(c.request).word == "error") outcome = kRefused;  // and the bridge ends
        } catch (const Error& error) {
            outcome = error.number() == kMayHaveReachedErrorNumber ? kMayHaveReached : kUnreachable;
        }
        EXPECT_EQ(outcome, c.outcome) << c.mode[0];
        EXPECT_LT(std::chrono::steady_clock::now() - asked, c.within) << c.mode[0];
        if (outcome == kRefused) process.Stop();  // it ended by itself after its error
        EXPECT_EQ(process.running(), outcome == kAnswered) << c.mode[0];
        EXPECT_TRUE(outcome == kAnswered || Gone(pid)) << c.mode[0];
    }
    pid_t wrapped = 0;
    std::ifstream(child) >> wrapped;
    EXPECT_TRUE(wrapped > 0 && Gone(wrapped, true));  // the wrapper's child went with its group
}

TEST(BridgeProcess, ABridgeThatEndsBetweenRequestsIsReapedAtOnceAndTheNextRequestGoes) {
    BridgeProcess process = Fake({"die-after", "1"});
    EXPECT_TRUE(Found(process.Ask(kFindFrame)));
    const pid_t first = process.pid();
    for (int k = 0; k < 200 && process.running(); ++k) std::this_thread::sleep_for(10ms);
    EXPECT_TRUE(Gone(first));                     // reaped, not left a zombie
    EXPECT_TRUE(Found(process.Ask(kFindFrame)));  // at the first try
    EXPECT_NE(process.pid(), first);
}

TEST(BridgeProcess, ABridgeThatNeverStartsOrNeverGreetsIsAnError) {
    BridgeProcess missing({"/nonexistent/wine", "bridge.exe"}, {}, kShort);
    EXPECT_THROW(missing.Ask(kFindFrame), Error);
    EXPECT_FALSE(missing.running());

    BridgeProcess silent = Fake({"silent"}, {300ms, 300ms, 300ms});
    EXPECT_THROW(silent.Ask(kFindFrame), Error);
    EXPECT_FALSE(silent.running());
}

}  // namespace
}  // namespace hueloom
