// Which Qt platform the program opens on.
#include "qt/qt_platform_choice.h"

#include <algorithm>
#include <cstdlib>

namespace hueloom {
namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Qt reads "--name" as "-name".
std::string_view WithOneDash(std::string_view argument) {
    if (argument.starts_with("--")) argument.remove_prefix(1);
    return argument;
}

// Where the argument is "-platform=NAME", where NAME starts; 0 otherwise.
std::size_t PlatformValueAt(std::string_view argument) {
    constexpr std::string_view kPrefix = "-platform=";
    const std::string_view option = WithOneDash(argument);
    return option.starts_with(kPrefix) ? argument.size() - option.size() + kPrefix.size() : 0;
}

bool Names(std::span<const std::string_view> arguments, std::string_view option) {
    return std::ranges::any_of(
        arguments, [option](std::string_view argument) { return WithOneDash(argument) == option; });
}

}  // namespace

PlatformEnvironment PlatformEnvironment::FromProcess() {
    return {Variable("QT_QPA_PLATFORM"), Variable("DISPLAY"), Variable("WAYLAND_DISPLAY")};
}

std::string ChooseQtPlatform(const PlatformEnvironment& environment,
                             std::span<const std::string_view> arguments) {
    const bool userChose = !environment.qtPlatform.empty() || Names(arguments, "-platform") ||
                           std::ranges::any_of(arguments, PlatformValueAt);
    if (userChose || (environment.display.empty() && !Names(arguments, "-display"))) return {};
    // Qt tries the list in turn: an X server that cannot be reached leaves
    // the window to open on Wayland, as Qt alone would have.
    return environment.waylandDisplay.empty() ? "xcb" : "xcb;wayland";
}

QtArguments::QtArguments(int argc, char** argv, const PlatformEnvironment& environment) {
    const std::vector<std::string_view> given(argv + std::min(argc, 1), argv + argc);
    for (int i = 0; i < argc; ++i) {
        // Qt reads only "-platform NAME"; the user's "-platform=NAME" stands too.
        const std::size_t valueAt = i > 0 ? PlatformValueAt(argv[i]) : 0;
        if (valueAt == 0) {
            values_.push_back(argv[i]);
            continue;
        }
        values_.push_back(platformOption_.data());
        values_.push_back(argv[i] + valueAt);
    }
    platform_ = ChooseQtPlatform(environment, given);
    if (!platform_.empty()) {
        values_.push_back(platformOption_.data());
        values_.push_back(platform_.data());
    }
    count_ = static_cast<int>(values_.size());
    values_.push_back(nullptr);  // argv's own terminator
}

}  // namespace hueloom
