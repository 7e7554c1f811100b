// The user's Wine prefix as Wine itself finds it, looked at from outside:
// nothing here runs Wine, makes a prefix or talks to a wineserver.
#pragma once

#include <optional>
#include <string>

namespace hueloom {

// WINEPREFIX, else ~/.wine, as Wine takes it.
std::string PrefixFromEnvironment();

bool PrefixExists(const std::string& prefix);

enum class PrefixArch { kWin32, kWin64 };
// From the "#arch=" line of the prefix's system.reg; 64-bit where it says none.
PrefixArch ReadPrefixArch(const std::string& prefix);

// Where this Wine's places a prefix's wineserver keeps its socket and lock:
// under runUser/wine when runUser (/run/user/UID) is our own folder, else
// under tmp (TMPDIR or /tmp), in the folder the prefix's "wineserver" file
// names. The folder is "server-DEV-INODE" of the prefix, both in hex.
// Nothing when no server can have run for the prefix.
std::optional<std::string> ServerFolder(const std::string& prefix, const std::string& runUser,
                                        const std::string& tmp);
std::optional<std::string> ServerFolder(const std::string& prefix);

// Whether a wineserver runs for the prefix: it holds a lock on the folder's
// "lock" file while it runs. Asking about the lock leaves the server alone,
// where connecting to its socket would start the prefix's services.
bool ServerRunning(const std::string& serverFolder);

}  // namespace hueloom
