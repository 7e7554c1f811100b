// The installed window system, and the empty one used when none is.
#include "host/window_system.h"

#include "host/windows_1252.h"

namespace hueloom {
namespace {

class NoWindowSystem final : public ChatOnlyWindowSystem {
  public:
    Hwnd FindWindowA(const char*, const char*) override { return 0; }
    Hwnd FindWindowExA(Hwnd, Hwnd, const char*, const char*) override { return 0; }
    std::intptr_t SendMessageA(Hwnd, std::uint32_t, std::uintptr_t, std::intptr_t) override {
        return 0;
    }
};

NoWindowSystem no_window_system;
WindowSystem* installed_window_system = nullptr;

}  // namespace

std::string WindowSystem::ToAnsiCodePage(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (char16_t unit : text) bytes.push_back(ToWindows1252(unit));
    return bytes;
}

WindowSystem& CurrentWindowSystem() {
    return installed_window_system != nullptr ? *installed_window_system : no_window_system;
}

ScopedWindowSystem::ScopedWindowSystem(WindowSystem& windowSystem)
    : previous_(installed_window_system) {
    installed_window_system = &windowSystem;
}

ScopedWindowSystem::~ScopedWindowSystem() { installed_window_system = previous_; }

}  // namespace hueloom
