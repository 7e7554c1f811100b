// The chat link's calls as requests to the bridge.
#include "winelink/bridged_window_system.h"

#include <string>

namespace hueloom::bridge {
namespace {

Field Handle(Hwnd window) { return Field::Number(window); }

std::string Printable(std::string_view text) {
    std::string shown;
    for (char c : text.substr(0, 80)) shown += (c >= ' ' && c <= '~') ? c : '?';
    return shown;
}

}  // namespace

Field BridgedWindowSystem::Ask(Message request, Field::Kind wanted) {
    const Message answer = channel_.Ask(request);
    if (answer.word == "ok" && answer.fields.size() == 1 && answer.fields[0].kind == wanted) {
        return answer.fields[0];
    }
    if (answer.word == "error" && answer.fields.size() == 1) {
        throw Unreachable("the bridge refused " + request.word + ": " +
                          Printable(answer.fields[0].bytes));
    }
    throw Unreachable("the bridge answered " + request.word + " with " +
                      Printable(Encode(answer)));
}

Hwnd BridgedWindowSystem::FindWindowA(const char* className, const char* windowName) {
    const Field found = Ask({"find", {Field::Text(className), Field::Text(windowName)}},
                            Field::Kind::kNumber);
    return static_cast<Hwnd>(found.number);
}

Hwnd BridgedWindowSystem::FindWindowExA(Hwnd parent, Hwnd childAfter, const char* className,
                                        const char* windowName) {
    const Field found = Ask({"findex", {Handle(parent), Handle(childAfter), Field::Text(className),
                                        Field::Text(windowName)}},
                            Field::Kind::kNumber);
    return static_cast<Hwnd>(found.number);
}

std::intptr_t BridgedWindowSystem::SendMessageA(Hwnd window, std::uint32_t message,
                                                std::uintptr_t wParam, std::intptr_t lParam) {
    const Field last = message == kWmSetText
                           ? Field::Text(reinterpret_cast<const char*>(lParam))
                           : Field::Number(lParam);
    const Field result = Ask({"send", {Handle(window), Field::Number(message),
                                       Field::Number(static_cast<std::int64_t>(wParam)), last}},
                             Field::Kind::kNumber);
    return static_cast<std::intptr_t>(result.number);
}

std::string BridgedWindowSystem::ToAnsiCodePage(std::u16string_view text) {
    return Ask({"ansi", {Field::Bytes(Utf16Bytes(text))}}, Field::Kind::kBytes).bytes;
}

}  // namespace hueloom::bridge
