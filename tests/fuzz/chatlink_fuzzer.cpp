// Fuzzes SendChatLine over random window trees: the look-ups, the nine
// messages and their targets must be what the look-up rules predict, even
// when the yields of a send change the tree or start another send.
//
// Input: window count, then (parent, class) per window; action count, then
// (kind, target) per action, one action per yield; then the line.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "chatlink/chat_client_classes.h"
#include "chatlink/chatlink.h"
#include "fuzz_input.h"
#include "host/toolkit.h"
#include "inprocess/in_process_window_system.h"
#include "support/chat_fixture.h"
#include "support/counting_toolkit.h"

namespace hueloom::fuzz {
namespace {

// The chat client's classes as the chat link looks them up and in capitals,
// the icons' again (rooms need six), then near misses and a stranger.
const std::vector<std::string>& Classes() {
    static const std::vector<std::string> classes = [] {
        std::vector<std::string> all;
        for (const char* name :
             {kChatFrameClass, kChatAreaClass, kChatRoomClass, kChatInputClass, kChatIconClass}) {
            all.emplace_back(name);
            all.push_back(testing::UpperCase(name));
        }
        all.emplace_back(kChatIconClass);
        all.emplace_back(kChatIconClass);
        const std::string frame = kChatFrameClass;
        all.push_back(frame.substr(0, frame.size() - 1));
        all.push_back(std::string(kChatInputClass) + " ");
        all.emplace_back("other");
        return all;
    }();
    return classes;
}

const std::string& ClassOf(std::uint8_t byte) { return Classes()[byte % Classes().size()]; }

char Fold(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameClass(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char l, char r) { return Fold(l) == Fold(r); });
}

std::string Line(std::string operation, std::vector<std::int64_t> args,
                 std::vector<std::string> texts = {}) {
    for (std::int64_t a : args) operation += " " + std::to_string(a);
    for (const std::string& t : texts) operation += " [" + t + "]";
    return operation;
}

std::string Line(const RecordedCall& call) { return Line(call.operation, call.args, call.texts); }

// The line as the host's ANSI string: one byte per code unit, NUL as '?'.
std::string ExpectedText(std::u16string_view line) {
    std::u16string text(line);
    std::replace(text.begin(), text.end(), u'\0', u'?');
    const std::string ansi = CurrentWindowSystem().ToAnsiCodePage(text);
    Check(ansi.size() == line.size(), "ANSI text not one byte per code unit");
    for (std::size_t k = 0; k < line.size(); ++k) {
        const char16_t unit = line[k];
        const auto byte = static_cast<unsigned char>(ansi[k]);
        if (unit == 0) Check(byte == '?', "NUL not sent as '?'");
        if ((unit > 0 && unit < 0x80) || (unit >= 0xA0 && unit <= 0xFF)) {
            Check(byte == unit, "ASCII or Latin-1 unit changed");
        }
        if (unit >= 0xD800 && unit <= 0xDFFF) Check(byte == '?', "surrogate not sent as '?'");
    }
    return ansi;
}

struct Fuzzer;

// One send in progress: the calls of sends nested in its yields are left out
// of its own check, and its yields are counted.
struct Frame {
    std::vector<std::pair<std::size_t, std::size_t>> nested;
    int yields = 0;
};

struct Fuzzer {
    InProcessWindowSystem ws;
    std::vector<Hwnd> windows;  // in creation order
    std::vector<std::pair<std::uint8_t, std::uint8_t>> actions;
    std::size_t nextAction = 0;
    std::vector<Frame*> frames;
    std::u16string nestedLine;

    // The look-up rules: parent 0 means the top level; continue after a
    // child or from the first; the first of the class, without regard to case.
    Hwnd Find(Hwnd parent, Hwnd after, const char* className) const {
        if (parent != 0 && !ws.IsWindow(parent)) return 0;
        const std::vector<Hwnd> children = ws.Children(parent);
        auto from = children.begin();
        if (after != 0) {
            from = std::find(children.begin(), children.end(), after);
            if (from == children.end()) return 0;
            ++from;
        }
        for (auto it = from; it != children.end(); ++it) {
            if (SameClass(ws.ClassName(*it), className)) return *it;
        }
        return 0;
    }

    std::vector<std::string> Expected(std::u16string_view line) const {
        std::vector<std::string> calls;
        const auto h = [](Hwnd w) { return static_cast<std::int64_t>(w); };
        Hwnd main = 0;
        for (Hwnd w : ws.Children(0)) {
            if (SameClass(ws.ClassName(w), kChatFrameClass)) {
                main = w;
                break;
            }
        }
        calls.push_back(Line("FindWindowA", {}, {kChatFrameClass, "(null)"}));
        const Hwnd area = Find(main, 0, kChatAreaClass);
        calls.push_back(Line("FindWindowExA", {h(main), 0}, {kChatAreaClass, "(null)"}));
        const Hwnd room = Find(area, 0, kChatRoomClass);
        calls.push_back(Line("FindWindowExA", {h(area), 0}, {kChatRoomClass, "(null)"}));
        const Hwnd input = Find(room, 0, kChatInputClass);
        calls.push_back(Line("FindWindowExA", {h(room), 0}, {kChatInputClass, "(null)"}));
        calls.push_back(Line("SendMessageA", {h(input), kWmSetText, 0}, {ExpectedText(line)}));
        Hwnd icon = 0;
        for (int k = 0; k < 6; ++k) {
            calls.push_back(Line("FindWindowExA", {h(room), h(icon)}, {kChatIconClass, "(null)"}));
            icon = Find(room, icon, kChatIconClass);
        }
        for (int round = 0; round < 2; ++round) {
            calls.push_back(Line("SendMessageA", {h(input), kWmChar, 13, 0}));
            calls.push_back(Line("SendMessageA", {h(icon), kWmLButtonDown, 0, 0}));
            calls.push_back(Line("SendMessageA", {h(icon), kWmKeyUp, 32, 0}));
            calls.push_back(Line("SendMessageA", {h(icon), kWmChar, 13, 0}));
        }
        return calls;
    }

    void CheckedSend(std::u16string_view line) {
        const std::vector<std::string> expected = Expected(line);
        Frame frame;
        frames.push_back(&frame);
        const std::size_t begin = ws.calls().size();
        SendChatLine(line);
        const std::size_t end = ws.calls().size();
        frames.pop_back();

        std::vector<std::string> actual;
        auto skip = frame.nested.begin();
        for (std::size_t k = begin; k < end; ++k) {
            if (skip != frame.nested.end() && k == skip->first) {
                k = skip->second - 1;
                ++skip;
                continue;
            }
            actual.push_back(Line(ws.calls()[k]));
        }
        Check(actual == expected, "look-ups or messages differ from the rules");
        Check(frame.yields == 4, "not four yields per send");
        if (!frames.empty()) frames.back()->nested.emplace_back(begin, end);
    }

    Hwnd Target(std::uint8_t byte) const {
        return windows.empty() ? 0 : windows[byte % windows.size()];
    }

    // A yield runs the next action: the tree changes under the send, or a
    // second send runs inside the first.
    void Yield() {
        ++frames.back()->yields;
        if (nextAction >= actions.size()) return;
        const auto [kind, target] = actions[nextAction++];
        switch (kind % 5) {
            case 1:
                ws.DestroyWindow(Target(target));
                break;
            case 2:
                windows.push_back(ws.AddWindow(Target(target), ClassOf(target)));
                break;
            case 3:
                ws.BringToFront(Target(target));
                break;
            case 4:
                if (frames.size() < 3) CheckedSend(nestedLine);
                break;
            default:
                break;
        }
    }
};

}  // namespace
}  // namespace hueloom::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace hueloom;
    using namespace hueloom::fuzz;
    FuzzInput input(data, size);
    Fuzzer fuzzer;
    const int windowCount = input.Byte() % 40;
    for (int k = 0; k < windowCount; ++k) {
        const std::uint8_t parent = input.Byte();
        const std::uint8_t classByte = input.Byte();
        const std::size_t choice = parent % (fuzzer.windows.size() + 1);
        const Hwnd parentWindow = choice == 0 ? 0 : fuzzer.windows[choice - 1];
        fuzzer.windows.push_back(fuzzer.ws.AddWindow(parentWindow, ClassOf(classByte)));
    }
    const int actionCount = input.Byte() % 12;
    for (int k = 0; k < actionCount; ++k) {
        const std::uint8_t kind = input.Byte();
        fuzzer.actions.emplace_back(kind, input.Byte());
    }
    const std::u16string line = input.Text(2048);
    fuzzer.nestedLine = u"inner " + line.substr(0, 16);

    CountingToolkit toolkit;
    toolkit.pendingEvent = [&fuzzer] { fuzzer.Yield(); };
    const ScopedWindowSystem windows(fuzzer.ws);
    const ScopedToolkit installed(toolkit);
    fuzzer.CheckedSend(line);
    return 0;
}
