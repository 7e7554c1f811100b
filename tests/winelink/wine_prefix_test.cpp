// The prefix seen from outside: its architecture, where its wineserver keeps
// its lock and whether one holds it, and which bridge goes with it. Nothing
// runs Wine where no server runs.
#include "winelink/wine_prefix.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "winelink/wine_chat.h"

namespace hueloom {
namespace {

namespace fs = std::filesystem;

struct TempFolder {
    fs::path path;
    TempFolder() {
        std::string pattern = ::testing::TempDir() + "wine_prefix_XXXXXX";
        path = ::mkdtemp(pattern.data());
    }
    ~TempFolder() { fs::remove_all(path); }
    std::string operator/(const std::string& name) const { return (path / name).string(); }
};

void Write(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

TEST(WinePrefix, ArchitectureFromSystemReg) {
    TempFolder prefix;
    EXPECT_EQ(ReadPrefixArch(prefix.path), PrefixArch::kWin64);  // none said
    Write(prefix / "system.reg", "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win32\n");
    EXPECT_EQ(ReadPrefixArch(prefix.path), PrefixArch::kWin32);
    Write(prefix / "system.reg", "WINE REGISTRY Version 2\n#arch=win64\n");
    EXPECT_EQ(ReadPrefixArch(prefix.path), PrefixArch::kWin64);
}

TEST(WinePrefix, ServerFolderIsNamedForThePrefixsDeviceAndInode) {
    TempFolder prefix, runUser, tmp;
    struct stat info{};
    ASSERT_EQ(::stat(prefix.path.c_str(), &info), 0);
    char name[64];
    std::snprintf(name, sizeof name, "server-%llx-%llx", static_cast<unsigned long long>(info.st_dev),
                  static_cast<unsigned long long>(info.st_ino));

    EXPECT_EQ(ServerFolder(prefix.path, runUser.path, tmp.path), runUser / "wine/" + name);
    // Without /run/user/UID: the folder that the prefix's "wineserver" file names.
    EXPECT_EQ(ServerFolder(prefix.path, "/nonexistent", tmp.path), std::nullopt);
    Write(prefix / "wineserver", "wine-Ly7j8S");
    EXPECT_EQ(ServerFolder(prefix.path, "/nonexistent", tmp.path), tmp / "wine-Ly7j8S/" + name);
    Write(prefix / "wineserver", "../elsewhere");
    EXPECT_EQ(ServerFolder(prefix.path, "/nonexistent", tmp.path), std::nullopt);
    EXPECT_EQ(ServerFolder(prefix / "missing", runUser.path, tmp.path), std::nullopt);
}

TEST(WinePrefix, ServerRunsWhileAProcessHoldsTheLock) {
    TempFolder server;
    EXPECT_FALSE(ServerRunning(server.path));  // no lock file
    Write(server / "lock", "");
    EXPECT_FALSE(ServerRunning(server.path));

    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    if (holder == 0) {  // holds the lock as a wineserver does, until killed
        const int fd = ::open((server / "lock").c_str(), O_WRONLY);
        struct flock lock{};
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        ::fcntl(fd, F_SETLK, &lock);
        (void)!::write(ready[1], "x", 1);
        ::pause();
        ::_exit(0);
    }
    char byte;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    EXPECT_TRUE(ServerRunning(server.path));
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    EXPECT_FALSE(ServerRunning(server.path));
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST(WineChat, NoPrefixOrNoServerMeansNoChatClientAndWineNeverRuns) {
    TempFolder home;
    for (const std::string& prefix : {home / "no-such-prefix", home.path.string()}) {
        WineChatSettings settings;
        settings.prefix = prefix;
        settings.wine = "/nonexistent/wine";  // would fail loudly if it were run
        settings.bridges.chosen = "/nonexistent/bridge.exe";
        WineChat chat(settings, "aol frame25");
        EXPECT_FALSE(chat.ChatClientRunning()) << prefix;
    }
    EXPECT_FALSE(fs::exists(home / "no-such-prefix"));
}

TEST(WineChat, TheBridgeIsTheChosenOneElseTheInstalledElseTheBuilt) {
    TempFolder places;
    fs::create_directories(places / "lib/win64");
    Write(places / "lib/win64/hueloom-wine-bridge.exe", "");
    Write(places / "built32.exe", "");
    BridgePlaces bridges{"", places / "lib", places / "built64.exe", places / "built32.exe"};

    EXPECT_EQ(FindBridge(bridges, PrefixArch::kWin64), places / "lib/win64/hueloom-wine-bridge.exe");
    EXPECT_EQ(FindBridge(bridges, PrefixArch::kWin32), places / "built32.exe");
    bridges.installed.clear();
    EXPECT_EQ(FindBridge(bridges, PrefixArch::kWin64), "");  // the built one is missing
    bridges.chosen = "/anywhere/hueloom-wine-bridge.exe";
    EXPECT_EQ(FindBridge(bridges, PrefixArch::kWin32), bridges.chosen);
}

}  // namespace
}  // namespace hueloom
