// One bridged call and one whole line, from the Linux program to the chat
// client under Wine and back: needs a chat client running in WINEPREFIX (or
// ~/.wine) and the bridge (HUELOOM_WINE_BRIDGE, else the one built beside).
// The Win32 stand-in chat client (standin/win32/) in a prefix will do.
#include <benchmark/benchmark.h>

#include "chatlink/chat_client_classes.h"
#include "chatlink/chatlink.h"
#include "fade/fade.h"
#include "inprocess/in_process_window_system.h"
#include "winelink/wine_chat.h"

namespace hueloom {
namespace {

WineChat& Chat() {
    static WineChat chat(WineChatSettings::FromEnvironment({"", "", HUELOOM_BUILT_BRIDGE_WIN64,
                                                            HUELOOM_BUILT_BRIDGE_WIN32}),
                         kChatFrameClass);
    return chat;
}

bool ChatClientThere(benchmark::State& state) {
    try {
        if (Chat().ChatClientRunning()) return true;
        state.SkipWithError("no chat client runs in the prefix");
    } catch (const std::exception& failure) {
        state.SkipWithError(failure.what());
    }
    return false;
}

// FindWindowA of the chat client's frame: one request and its answer.
void BridgedCall(benchmark::State& state) {
    if (!ChatClientThere(state)) return;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Chat().Windows().FindWindowA(kChatFrameClass, nullptr));
    }
}
BENCHMARK(BridgedCall)->Unit(benchmark::kMillisecond);

// A typed line of 40 characters over ten stops, as Send makes it: the route
// chosen, the text converted, six look-ups and nine messages.
void WholeLine(benchmark::State& state) {
    if (!ChatClientThere(state)) return;
    const std::u16string line = FadeTen(255, 0, 0, 255, 140, 0, 240, 220, 0, 40, 200, 40, 0, 170,
                                        170, 0, 90, 255, 90, 40, 220, 170, 0, 200, 230, 0, 120, 255,
                                        0, 0, u"The quick brown fox jumps over the lazy", false);
    InProcessWindowSystem home(CallRecording::kOff);
    ChatRoutingWindowSystem windows(home, Chat());
    ScopedWindowSystem useWindows(windows);
    for (auto _ : state) SendChatLine(line);
    state.counters["markup_chars"] = static_cast<double>(line.size());
}
BENCHMARK(WholeLine)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace hueloom

BENCHMARK_MAIN();
