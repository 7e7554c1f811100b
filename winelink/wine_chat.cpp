// Finding the chat client under Wine, and the bridge to ask.
#include "winelink/wine_chat.h"

#include <sys/stat.h>

#include <cstdlib>

extern char** environ;

namespace hueloom {
namespace {

bool IsFile(const std::string& path) {
    struct stat info{};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

constexpr const char* kBridgeName = "hueloom-wine-bridge.exe";

void SetVariable(std::vector<std::string>& environment, const std::string& name,
                 const std::string& value, bool keepExisting) {
    const std::string start = name + "=";
    for (std::string& entry : environment) {
        if (entry.rfind(start, 0) != 0) continue;
        if (!keepExisting) entry = start + value;
        return;
    }
    environment.push_back(start + value);
}

}  // namespace

std::string FindBridge(const BridgePlaces& places, PrefixArch arch) {
    if (!places.chosen.empty()) return places.chosen;
    const bool win32 = arch == PrefixArch::kWin32;
    if (!places.installed.empty()) {
        const std::string installed =
            places.installed + (win32 ? "/win32/" : "/win64/") + kBridgeName;
        if (IsFile(installed)) return installed;
    }
    const std::string& built = win32 ? places.built32 : places.built64;
    return IsFile(built) ? built : std::string();
}

WineChatSettings WineChatSettings::FromEnvironment(const BridgePlaces& builtIn) {
    WineChatSettings settings;
    settings.prefix = PrefixFromEnvironment();
    settings.bridges = builtIn;
    if (const char* chosen = std::getenv("HUELOOM_WINE_BRIDGE")) settings.bridges.chosen = chosen;
    for (char** entry = environ; *entry != nullptr; ++entry) settings.environment.emplace_back(*entry);
    return settings;
}

WineChat::WineChat(WineChatSettings settings, std::string frameClass)
    : settings_(std::move(settings)), frameClass_(std::move(frameClass)) {
    // The prefix as found, even where WINEPREFIX was unset; Wine's own chatter
    // costs time and goes nowhere, unless the user asked for it.
    SetVariable(settings_.environment, "WINEPREFIX", settings_.prefix, false);
    SetVariable(settings_.environment, "WINEDEBUG", "-all", true);
}

BridgeProcess& WineChat::Bridge() {
    if (bridge_ && bridge_->running()) return *bridge_;
    const PrefixArch arch = ReadPrefixArch(settings_.prefix);
    const std::string path = FindBridge(settings_.bridges, arch);
    if (!IsFile(path)) {
        throw bridge::Unreachable(
            path.empty() ? std::string("no ") + kBridgeName + " for a " +
                               (arch == PrefixArch::kWin32 ? "32" : "64") + "-bit prefix"
                         : path + " is missing");
    }
    bridge_ = std::make_unique<BridgeProcess>(std::vector<std::string>{settings_.wine, path},
                                              settings_.environment, settings_.times);
    return *bridge_;
}

bool WineChat::ChatClientRunning() {
    // No prefix, or no server for it: no chat client can run there, and
    // running Wine would make a prefix or boot one.
    const std::optional<std::string> server =
        PrefixExists(settings_.prefix) ? ServerFolder(settings_.prefix) : std::nullopt;
    if (!server || !ServerRunning(*server)) {
        Stop();
        return false;
    }
    const bool running = windows_.FindWindowA(frameClass_.c_str(), nullptr) != 0;
    if (!running) Stop();
    return running;
}

}  // namespace hueloom
