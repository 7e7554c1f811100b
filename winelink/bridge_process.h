// The bridge as a child process: requests down its standard input, answers
// up its standard output, each within a time limit, so that a bridge that
// is missing, dies, hangs or floods costs the window a few seconds and an
// error, never a hang or a crash. A message the bridge has handed to the chat
// client is waited for as long as a chat client may take over it.
#pragma once

#include <sys/types.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "winelink/bridged_window_system.h"

namespace hueloom {

struct BridgeTimes {
    std::chrono::milliseconds greeting{5000};  // from the start to the greeting
    std::chrono::milliseconds answer{3000};    // from a request to its answer or hand-over
    std::chrono::milliseconds ending{2000};    // from the closed input to the exit
    std::chrono::milliseconds chat{30000};     // from the hand-over to the chat client's answer
};

class BridgeProcess final : public bridge::Channel {
  public:
    // The command (found on PATH) and its whole environment, "NAME=value" each.
    BridgeProcess(std::vector<std::string> command, std::vector<std::string> environment,
                  BridgeTimes times = {});
    ~BridgeProcess() override;
    BridgeProcess(const BridgeProcess&) = delete;
    BridgeProcess& operator=(const BridgeProcess&) = delete;

    // Starts the bridge where none runs. On any failure the bridge is ended
    // and an error raised: Unreachable before the hand-over, NoAnswer after
    // it; the next request starts a new one.
    bridge::Message Ask(const bridge::Message& request) override;
    // Closes the bridge's input so that it ends, and waits for that a while.
    void Stop();
    // False too once the bridge has ended by itself (it is reaped at once).
    bool running() const { return pid_ > 0 && !ended_; }
    pid_t pid() const { return pid_; }

  private:
    void Start();
    void Write(const std::string& bytes, std::chrono::steady_clock::time_point deadline);
    bridge::Message Read(std::chrono::steady_clock::time_point deadline, const std::string& late);
    // Ends the bridge's whole process group, a wrapper's children with it.
    void Kill();
    void CloseInput();
    void Reap(pid_t pid);

    std::vector<std::string> command_;
    std::vector<std::string> environment_;
    BridgeTimes times_;
    pid_t pid_ = -1;
    int input_ = -1;   // the bridge's standard input, our writing end
    int output_ = -1;  // the bridge's standard output, our reading end
    bridge::MessageReader received_;
    // Waits for the bridge's end, then ends its group and reaps it, so that
    // one that dies between requests is gone at once.
    std::thread reaper_;
    std::mutex reaping_;  // the group is signalled only while its leader is unreaped
    std::atomic<bool> ended_{false};
};

}  // namespace hueloom
