// Finding the prefix, its architecture and its wineserver.
#include "winelink/wine_prefix.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string_view>

namespace hueloom {
namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::string Home() {
    std::string home = Environment("HOME");
    if (home.empty()) {
        if (const passwd* user = ::getpwuid(::getuid())) home = user->pw_dir;
    }
    return home;
}

// As Wine writes a device or inode number: hex, the high half ahead of the
// low one's eight digits where it has one, which is the whole in hex.
std::string Hex(std::uint64_t value) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    do {
        text.insert(text.begin(), kDigits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    return text;
}

bool IsOwnFolder(const std::string& path) {
    struct stat info{};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid();
}

// The first line of a small file, or nothing.
std::optional<std::string> FirstLine(const std::string& path) {
    std::ifstream file(path);
    std::string line;
    if (!file || !std::getline(file, line)) return std::nullopt;
    return line;
}

}  // namespace

std::string PrefixFromEnvironment() {
    std::string prefix = Environment("WINEPREFIX");
    if (prefix.empty()) prefix = Home() + "/.wine";
    return prefix;
}

bool PrefixExists(const std::string& prefix) {
    struct stat info{};
    return ::stat(prefix.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

PrefixArch ReadPrefixArch(const std::string& prefix) {
    std::ifstream registry(prefix + "/system.reg");
    std::string line;
    // The line sits among the file's first few.
    for (int k = 0; k < 16 && std::getline(registry, line); ++k) {
        if (line.rfind("#arch=win32", 0) == 0) return PrefixArch::kWin32;
        if (line.rfind("#arch=", 0) == 0) return PrefixArch::kWin64;
    }
    return PrefixArch::kWin64;
}

std::optional<std::string> ServerFolder(const std::string& prefix, const std::string& runUser,
                                        const std::string& tmp) {
    struct stat info{};
    if (::stat(prefix.c_str(), &info) != 0) return std::nullopt;
    const std::string name = "server-" + Hex(info.st_dev) + "-" + Hex(info.st_ino);
    if (IsOwnFolder(runUser)) return runUser + "/wine/" + name;
    // The random folder's name, kept in the prefix by the first server that made it.
    const std::optional<std::string> folder = FirstLine(prefix + "/wineserver");
    if (!folder || folder->empty() || folder->find('/') != std::string::npos) return std::nullopt;
    return tmp + "/" + *folder + "/" + name;
}

std::optional<std::string> ServerFolder(const std::string& prefix) {
    std::string tmp = Environment("TMPDIR");
    if (tmp.empty()) tmp = "/tmp";
    return ServerFolder(prefix, "/run/user/" + std::to_string(::getuid()), tmp);
}

bool ServerRunning(const std::string& serverFolder) {
    const std::string lock = serverFolder + "/lock";
    const int fd = ::open(lock.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return false;
    struct flock query{};
    query.l_type = F_WRLCK;
    query.l_whence = SEEK_SET;
    const bool held = ::fcntl(fd, F_GETLK, &query) == 0 && query.l_type != F_UNLCK;
    ::close(fd);
    return held;
}

}  // namespace hueloom
