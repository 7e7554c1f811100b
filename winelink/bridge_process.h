// The bridge as a child process: requests down its standard input, answers
// up its standard output, each within a time limit, so that a bridge that
// is missing, dies or hangs costs the window a few seconds and an error,
// never a hang or a crash.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

#include "host/bridge/bridged_window_system.h"

namespace hueloom {

struct BridgeTimes {
    std::chrono::milliseconds greeting{5000};  // from the start to the greeting
    std::chrono::milliseconds answer{3000};    // from a request to its answer
    std::chrono::milliseconds ending{2000};    // from the closed input to the exit
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
    // and Unreachable raised; the next request starts a new one.
    bridge::Message Ask(const bridge::Message& request) override;
    // Closes the bridge's input so that it ends, and waits for that a while.
    void Stop();
    bool running() const { return pid_ > 0; }
    pid_t pid() const { return pid_; }

  private:
    void Start();
    void Write(const std::string& bytes, std::chrono::steady_clock::time_point deadline);
    bridge::Message Read(std::chrono::steady_clock::time_point deadline);
    void Kill();
    void CloseInput();

    std::vector<std::string> command_;
    std::vector<std::string> environment_;
    BridgeTimes times_;
    pid_t pid_ = -1;
    int input_ = -1;   // the bridge's standard input, our writing end
    int output_ = -1;  // the bridge's standard output, our reading end
    std::string received_;
};

}  // namespace hueloom
