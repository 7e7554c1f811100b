// Which Qt platform the program opens on: X11 wherever an X server is at hand
// (under Wayland, XWayland), so that the window manager keeps the form above
// the chat client; on Wayland alone no window can stay on top or have a region.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace hueloom {

// What of the environment the choice reads; empty where a variable is unset.
struct PlatformEnvironment {
    std::string qtPlatform;      // QT_QPA_PLATFORM
    std::string display;         // DISPLAY
    std::string waylandDisplay;  // WAYLAND_DISPLAY

    static PlatformEnvironment FromProcess();
};

// The Qt platform list to start with, given the arguments after the program's
// name; empty where Qt's own choice stands: the user named a platform
// (QT_QPA_PLATFORM, -platform), or no X display is named (DISPLAY, -display).
std::string ChooseQtPlatform(const PlatformEnvironment& environment,
                             std::span<const std::string_view> arguments);

// The program's arguments as Qt is to get them: "-platform CHOICE" added
// where ChooseQtPlatform chose, and "-platform=NAME" given as the
// "-platform NAME" Qt reads. Qt keeps the count and the values by reference,
// so this outlives the application.
class QtArguments {
  public:
    QtArguments(int argc, char** argv, const PlatformEnvironment& environment);
    QtArguments(const QtArguments&) = delete;
    QtArguments& operator=(const QtArguments&) = delete;

    int& count() { return count_; }
    char** values() { return values_.data(); }

  private:
    std::string platformOption_ = "-platform";
    std::string platform_;
    std::vector<char*> values_;
    int count_ = 0;
};

}  // namespace hueloom
