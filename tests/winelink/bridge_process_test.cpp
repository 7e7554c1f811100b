// The bridge as a process, against a fake one: answers come back, a bridge
// that hangs or dies costs its time limit and an error, and the next request
// starts a new one.
#include "winelink/bridge_process.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <cerrno>
#include <chrono>
#include <fstream>

#include "chatlink/chat_client_classes.h"

namespace hueloom {
namespace {

using namespace std::chrono_literals;
using bridge::Field;
using bridge::Message;

constexpr BridgeTimes kShort{2000ms, 300ms, 1000ms};
const Message kFindFrame{"find", {Field::Text(kChatFrameClass), Field::None()}};

BridgeProcess Fake(std::vector<std::string> mode, BridgeTimes times = kShort) {
    mode.insert(mode.begin(), FAKE_BRIDGE);
    return BridgeProcess(std::move(mode), {}, times);
}

bool Found(const Message& answer) {
    return answer.word == "ok" && answer.fields.size() == 1 && answer.fields[0].number != 0;
}

bool Gone(pid_t pid) { return ::kill(pid, 0) != 0 && errno == ESRCH; }

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

TEST(BridgeProcess, ABridgeThatHangsOrDiesIsAnErrorAndTheNextRequestStartsANewOne) {
    for (const char* mode : {"hang-after", "die-after"}) {
        BridgeProcess process = Fake({mode, "1"});
        EXPECT_TRUE(Found(process.Ask(kFindFrame))) << mode;
        const pid_t first = process.pid();
        const auto asked = std::chrono::steady_clock::now();
        try {
            process.Ask(kFindFrame);
            ADD_FAILURE() << mode << ": no error";
        } catch (const Error& error) {
            EXPECT_NE(std::string(error.what()).find("could not be reached"), std::string::npos);
        }
        EXPECT_LT(std::chrono::steady_clock::now() - asked, 2s) << mode;  // the limit, not a hang
        EXPECT_TRUE(Gone(first)) << mode;
        EXPECT_TRUE(Found(process.Ask(kFindFrame))) << mode;
        EXPECT_NE(process.pid(), first);
    }
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
