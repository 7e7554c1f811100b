// The platform the program opens on, from the environment and its arguments.
#include "qt/qt_platform_choice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hueloom {
namespace {

struct Case {
    const char* what;
    PlatformEnvironment environment;  // QT_QPA_PLATFORM, DISPLAY, WAYLAND_DISPLAY
    std::vector<std::string> arguments;
    std::vector<std::string> expected;  // what Qt is given
};

TEST(QtPlatformChoice, ChoosesXcbWhereAnXServerIsAtHandAndObeysTheUser) {
    // clang-format off
    const Case cases[] = {
        {"Wayland with XWayland", {"", ":1", "wayland-0"}, {}, {"-platform", "xcb;wayland"}},
        {"plain X11", {"", ":0", ""}, {"-style", "Fusion"}, {"-style", "Fusion", "-platform", "xcb"}},
        {"-display names the X server", {"", "", "wayland-0"}, {"--display", ":2"},
         {"--display", ":2", "-platform", "xcb;wayland"}},
        {"Wayland alone: Qt's choice", {"", "", "wayland-0"}, {}, {}},
        {"no display at all: Qt's choice", {}, {}, {}},
        {"QT_QPA_PLATFORM stands", {"wayland", ":1", "wayland-0"}, {}, {}},
        {"-platform stands", {"", ":1", "wayland-0"}, {"-platform", "wayland"},
         {"-platform", "wayland"}},
        {"--platform stands", {"", ":1", ""}, {"--platform", "offscreen"},
         {"--platform", "offscreen"}},
        {"-platform= is given as Qt reads it", {"", ":1", ""}, {"-platform=wayland", "x"},
         {"-platform", "wayland", "x"}},
        {"--platform= too", {"", ":1", ""}, {"--platform=offscreen"}, {"-platform", "offscreen"}},
        {"-platformtheme is another option", {"", ":1", ""}, {"-platformtheme", "gtk3"},
         {"-platformtheme", "gtk3", "-platform", "xcb"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        std::vector<std::string> given = {"hueloom"};
        given.insert(given.end(), c.arguments.begin(), c.arguments.end());
        std::vector<char*> argv;
        for (std::string& argument : given) argv.push_back(argument.data());
        argv.push_back(nullptr);

        QtArguments arguments(static_cast<int>(given.size()), argv.data(), c.environment);
        std::vector<std::string> got(arguments.values() + 1,
                                     arguments.values() + arguments.count());
        EXPECT_EQ(got, c.expected) << c.what;
        EXPECT_STREQ(arguments.values()[0], "hueloom") << c.what;
        EXPECT_EQ(arguments.values()[arguments.count()], nullptr) << c.what;
    }
}

}  // namespace
}  // namespace hueloom
