// The in-process window tree: creation, look-ups, messages and placement.
#include <algorithm>
#include <utility>

#include "inprocess/in_process_parts.h"

namespace hueloom {
namespace {

inline constexpr Hwnd kHwndTop = 0;
inline constexpr Hwnd kHwndBottom = 1;
inline constexpr std::uint32_t kSwpNoZOrder = 0x0004;

// Upper to lower case for ASCII and the letters of Windows-1252.
unsigned char FoldCase(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
    switch (c) {
        case 0x8A:
            return 0x9A;  // S caron
        case 0x8C:
            return 0x9C;  // OE
        case 0x8E:
            return 0x9E;  // Z caron
        case 0x9F:
            return 0xFF;  // Y diaeresis
        default:
            return c;
    }
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char l, char r) {
        return FoldCase(static_cast<unsigned char>(l)) == FoldCase(static_cast<unsigned char>(r));
    });
}

// A null name matches every window, as the host has it.
bool Matches(const char* wanted, const std::string& actual) {
    return wanted == nullptr || SameIgnoringCase(wanted, actual);
}

std::string TextOrNull(const char* text) { return text != nullptr ? text : "(null)"; }

std::int64_t Handle(Hwnd window) { return static_cast<std::int64_t>(window); }

void MoveToFront(std::vector<Hwnd>& siblings, Hwnd window) {
    auto it = std::find(siblings.begin(), siblings.end(), window);
    if (it != siblings.end()) std::rotate(siblings.begin(), it, it + 1);
}

void MoveToBack(std::vector<Hwnd>& siblings, Hwnd window) {
    auto it = std::find(siblings.begin(), siblings.end(), window);
    if (it != siblings.end()) std::rotate(it, it + 1, siblings.end());
}

void MoveAfter(std::vector<Hwnd>& siblings, Hwnd window, Hwnd after) {
    if (window == after) return;
    auto target = std::find(siblings.begin(), siblings.end(), after);
    if (target == siblings.end()) return;  // not a sibling: the order stays
    std::erase(siblings, window);
    target = std::find(siblings.begin(), siblings.end(), after);
    siblings.insert(target + 1, window);
}

}  // namespace

InProcessWindowSystem::InProcessWindowSystem(CallRecording recording) : recording_(recording) {}
InProcessWindowSystem::~InProcessWindowSystem() = default;

InProcessWindowSystem::Window* InProcessWindowSystem::Find(Hwnd window) const {
    auto it = windows_.find(window);
    return it != windows_.end() ? it->second.get() : nullptr;
}

std::vector<Hwnd>* InProcessWindowSystem::Siblings(Hwnd parent) {
    if (parent == 0) return &topLevel_;
    Window* window = Find(parent);
    return window != nullptr ? &window->children : nullptr;
}

void InProcessWindowSystem::Record(std::string operation, std::vector<std::int64_t> args,
                                   std::vector<std::string> texts, std::vector<Point> points) {
    if (recording_ == CallRecording::kOff) return;
    calls_.push_back({std::move(operation), std::move(args), std::move(texts), std::move(points)});
}

Hwnd InProcessWindowSystem::AddWindow(Hwnd parent, std::string_view className,
                                      std::string_view title, WindowCallbacks callbacks) {
    std::vector<Hwnd>* siblings = Siblings(parent);
    if (siblings == nullptr) return 0;
    const Hwnd handle = nextHandle_++;
    auto window = std::make_unique<Window>();
    window->parent = parent;
    window->className = className;
    window->title = title;
    window->callbacks = std::make_shared<const WindowCallbacks>(std::move(callbacks));
    windows_.emplace(handle, std::move(window));
    siblings->insert(siblings->begin(), handle);
    return handle;
}

void InProcessWindowSystem::DestroyWindow(Hwnd window) {
    Window* found = Find(window);
    if (found == nullptr) return;
    const std::vector<Hwnd> children = found->children;
    for (Hwnd child : children) DestroyWindow(child);
    if (std::vector<Hwnd>* siblings = Siblings(found->parent)) std::erase(*siblings, window);
    windows_.erase(window);
}

void InProcessWindowSystem::BringToFront(Hwnd window) {
    if (Window* found = Find(window)) MoveToFront(*Siblings(found->parent), window);
}

bool InProcessWindowSystem::IsWindow(Hwnd window) const { return Find(window) != nullptr; }

Hwnd InProcessWindowSystem::Parent(Hwnd window) const {
    const Window* found = Find(window);
    return found != nullptr ? found->parent : 0;
}

std::vector<Hwnd> InProcessWindowSystem::Children(Hwnd parent) const {
    if (parent == 0) return topLevel_;
    const Window* found = Find(parent);
    return found != nullptr ? found->children : std::vector<Hwnd>{};
}

std::string InProcessWindowSystem::ClassName(Hwnd window) const {
    const Window* found = Find(window);
    return found != nullptr ? found->className : std::string();
}

std::string InProcessWindowSystem::Title(Hwnd window) const {
    const Window* found = Find(window);
    return found != nullptr ? found->title : std::string();
}

bool InProcessWindowSystem::IsTopmost(Hwnd window) const {
    const Window* found = Find(window);
    return found != nullptr && found->topmost;
}

Hwnd InProcessWindowSystem::FindWindowA(const char* className, const char* windowName) {
    Record("FindWindowA", {}, {TextOrNull(className), TextOrNull(windowName)});
    for (Hwnd window : topLevel_) {
        const Window& w = *Find(window);
        if (Matches(className, w.className) && Matches(windowName, w.title)) return window;
    }
    return 0;
}

Hwnd InProcessWindowSystem::FindWindowExA(Hwnd parent, Hwnd childAfter, const char* className,
                                          const char* windowName) {
    Record("FindWindowExA", {Handle(parent), Handle(childAfter)},
           {TextOrNull(className), TextOrNull(windowName)});
    const std::vector<Hwnd>* siblings = Siblings(parent);
    if (siblings == nullptr) return 0;
    auto from = siblings->begin();
    if (childAfter != 0) {
        from = std::find(siblings->begin(), siblings->end(), childAfter);
        if (from == siblings->end()) return 0;  // not a child of parent
        ++from;
    }
    for (auto it = from; it != siblings->end(); ++it) {
        const Window& w = *Find(*it);
        if (Matches(className, w.className) && Matches(windowName, w.title)) return *it;
    }
    return 0;
}

std::intptr_t InProcessWindowSystem::SendMessageA(Hwnd window, std::uint32_t message,
                                                  std::uintptr_t wParam, std::intptr_t lParam) {
    if (recording_ == CallRecording::kOff) {
        // Nothing to write down: not even a copy of the line.
    } else if (message == kWmSetText) {
        Record("SendMessageA", {Handle(window), message, static_cast<std::int64_t>(wParam)},
               {TextOrNull(reinterpret_cast<const char*>(lParam))});
    } else {
        Record("SendMessageA",
               {Handle(window), message, static_cast<std::int64_t>(wParam), lParam});
    }
    const Window* found = Find(window);
    if (found == nullptr) return 0;
    const std::shared_ptr<const WindowCallbacks> callbacks = found->callbacks;
    if (callbacks->onMessage) return callbacks->onMessage(message, wParam, lParam);
    return DefaultMessage(window, message, wParam, lParam);
}

std::intptr_t InProcessWindowSystem::DefaultMessage(Hwnd window, std::uint32_t message,
                                                    std::uintptr_t, std::intptr_t lParam) {
    Window* found = Find(window);
    if (found == nullptr || message != kWmSetText) return 0;
    const char* text = reinterpret_cast<const char*>(lParam);
    found->title = text != nullptr ? text : "";
    return 1;
}

bool InProcessWindowSystem::SetWindowPos(Hwnd window, Hwnd insertAfter, int x, int y, int cx,
                                         int cy, std::uint32_t flags) {
    Record("SetWindowPos",
           {Handle(window), Handle(insertAfter), x, y, cx, cy, static_cast<std::int64_t>(flags)});
    Window* found = Find(window);
    if (found == nullptr) return false;
    if ((flags & kSwpNoZOrder) == 0) {
        std::vector<Hwnd>& siblings = *Siblings(found->parent);
        if (insertAfter == kHwndTopmost) {
            found->topmost = true;
            MoveToFront(siblings, window);
        } else if (insertAfter == kHwndNoTopmost) {
            found->topmost = false;
        } else if (insertAfter == kHwndTop) {
            MoveToFront(siblings, window);
        } else if (insertAfter == kHwndBottom) {
            found->topmost = false;
            MoveToBack(siblings, window);
        } else {
            MoveAfter(siblings, window, insertAfter);
        }
    }
    const std::shared_ptr<const WindowCallbacks> callbacks = found->callbacks;
    if (callbacks->onSetWindowPos) callbacks->onSetWindowPos(insertAfter, flags);
    return true;
}

}  // namespace hueloom
