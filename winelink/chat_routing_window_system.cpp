// Routing each call to home or to the chat client elsewhere.
#include "winelink/chat_routing_window_system.h"

#include "host/error.h"

namespace hueloom {
namespace {

// A call to the chat client elsewhere. Once a message of the line has reached
// it, a fault leaves the line perhaps half sent: never to be told as not sent.
template <typename Call>
auto AfterReaching(bool reached, Call call) {
    try {
        return call();
    } catch (const Error& error) {
        if (!reached || error.number() == kMayHaveReachedErrorNumber) throw;
        throw Error(kMayHaveReachedErrorNumber,
                    std::string(error.what()) + "; part of the line reached the chat client");
    }
}

}  // namespace

void ChatRoutingWindowSystem::ChooseRouteForLine() {
    const bool goesElsewhere = elsewhere_.ChatClientRunning();
    if (!goesElsewhere && atHome_ == ChatAtHome::kNone) {
        throw Error(kChatNotRunningErrorNumber, "the chat client is not running");
    }
    lines_.push_back({goesElsewhere, false});
}

void ChatRoutingWindowSystem::EndOfLine() noexcept {
    if (!lines_.empty()) lines_.pop_back();
}

std::string ChatRoutingWindowSystem::ToAnsiCodePage(std::u16string_view text) {
    return CurrentLine().goesElsewhere ? elsewhere_.Windows().ToAnsiCodePage(text)
                                       : home_.ToAnsiCodePage(text);
}

bool ChatRoutingWindowSystem::IsElsewhere(Hwnd window) const {
    return (window & kElsewhereBit) != 0 && (window & ~kElsewhereBit) < elsewhereWindows_.size();
}

bool ChatRoutingWindowSystem::GoesElsewhere(Hwnd first, Hwnd second) const {
    if (first != 0) return IsElsewhere(first);
    if (second != 0) return IsElsewhere(second);
    return CurrentLine().goesElsewhere;
}

Hwnd ChatRoutingWindowSystem::FromElsewhere(Hwnd window) {
    if (window == 0) return 0;
    const auto [known, added] = elsewhereNumbers_.try_emplace(
        window, static_cast<Hwnd>(elsewhereWindows_.size()) | kElsewhereBit);
    if (added) elsewhereWindows_.push_back(window);
    return known->second;
}

// A handle of the other side names no window here: it goes as one that matches none.
Hwnd ChatRoutingWindowSystem::ToElsewhere(Hwnd window) const {
    return IsElsewhere(window) ? elsewhereWindows_[window & ~kElsewhereBit] : 0;
}

Hwnd ChatRoutingWindowSystem::ToHome(Hwnd window) const { return IsElsewhere(window) ? 0 : window; }

Hwnd ChatRoutingWindowSystem::FindWindowA(const char* className, const char* windowName) {
    if (!CurrentLine().goesElsewhere) return home_.FindWindowA(className, windowName);
    return FromElsewhere(AfterReaching(CurrentLine().reached, [&] {
        return elsewhere_.Windows().FindWindowA(className, windowName);
    }));
}

Hwnd ChatRoutingWindowSystem::FindWindowExA(Hwnd parent, Hwnd childAfter, const char* className,
                                            const char* windowName) {
    if (!GoesElsewhere(parent, childAfter)) {
        return home_.FindWindowExA(ToHome(parent), ToHome(childAfter), className, windowName);
    }
    return FromElsewhere(AfterReaching(CurrentLine().reached, [&] {
        return elsewhere_.Windows().FindWindowExA(ToElsewhere(parent), ToElsewhere(childAfter),
                                                  className, windowName);
    }));
}

std::intptr_t ChatRoutingWindowSystem::SendMessageA(Hwnd window, std::uint32_t message,
                                                    std::uintptr_t wParam, std::intptr_t lParam) {
    if (!GoesElsewhere(window)) return home_.SendMessageA(ToHome(window), message, wParam, lParam);
    const std::intptr_t result = AfterReaching(CurrentLine().reached, [&] {
        return elsewhere_.Windows().SendMessageA(ToElsewhere(window), message, wParam, lParam);
    });
    if (!lines_.empty()) lines_.back().reached = true;
    return result;
}

bool ChatRoutingWindowSystem::SetWindowPos(Hwnd window, Hwnd insertAfter, int x, int y, int cx,
                                           int cy, std::uint32_t flags) {
    return home_.SetWindowPos(window, insertAfter, x, y, cx, cy, flags);
}

Hrgn ChatRoutingWindowSystem::CreatePolygonRgn(const Point* points, int count, int fillMode) {
    return home_.CreatePolygonRgn(points, count, fillMode);
}

Hrgn ChatRoutingWindowSystem::CreateRectRgn(int left, int top, int right, int bottom) {
    return home_.CreateRectRgn(left, top, right, bottom);
}

int ChatRoutingWindowSystem::CombineRgn(Hrgn destination, Hrgn source1, Hrgn source2, int mode) {
    return home_.CombineRgn(destination, source1, source2, mode);
}

int ChatRoutingWindowSystem::SetWindowRgn(Hwnd window, Hrgn region, bool redraw) {
    return home_.SetWindowRgn(window, region, redraw);
}

bool ChatRoutingWindowSystem::DeleteObject(Hrgn region) { return home_.DeleteObject(region); }

}  // namespace hueloom
