// Starting the bridge, talking to it under time limits, and ending it.
#include "winelink/bridge_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace hueloom {
namespace {

using Clock = std::chrono::steady_clock;

// Why a talk with the bridge failed, before it is told as Unreachable.
class Failure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

std::string SystemError(const char* what, int error) {
    return std::string(what) + ": " + std::strerror(error);
}

// Writing to a bridge that died must be an error seen here, not a signal
// that ends the whole program.
void IgnoreBrokenPipes() {
    struct sigaction current{};
    if (::sigaction(SIGPIPE, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) {
        ::signal(SIGPIPE, SIG_IGN);
    }
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& text : strings) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

int MillisecondsUntil(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

// Waits for the descriptor to be ready for events; false once the deadline passed.
bool Ready(int fd, short events, Clock::time_point deadline) {
    while (true) {
        pollfd watch{fd, events, 0};
        const int result = ::poll(&watch, 1, MillisecondsUntil(deadline));
        if (result > 0) return true;
        if (result == 0) return false;
        if (errno != EINTR) throw Failure(SystemError("poll", errno));
    }
}

struct Pipe {
    int read = -1;
    int write = -1;
};

Pipe NewPipe() {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) throw Failure(SystemError("pipe", errno));
    return {ends[0], ends[1]};
}

void CloseFd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

}  // namespace

BridgeProcess::BridgeProcess(std::vector<std::string> command, std::vector<std::string> environment,
                             BridgeTimes times)
    : command_(std::move(command)), environment_(std::move(environment)), times_(times) {}

BridgeProcess::~BridgeProcess() { Stop(); }

void BridgeProcess::Start() {
    Kill();  // one that ended by itself: its reaper and pipes
    IgnoreBrokenPipes();
    Pipe toBridge = NewPipe();
    Pipe fromBridge = NewPipe();
    // Pipes and /dev/null only: on a terminal Wine would start a console host.
    // A session of its own keeps the bridge off the user's terminal altogether.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toBridge.read, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fromBridge.write, STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);

    std::vector<std::string> arguments = command_;
    std::vector<std::string> environment = environment_;
    std::vector<char*> argv = Pointers(arguments);
    std::vector<char*> envp = Pointers(environment);
    pid_t pid = -1;
    const int error =
        ::posix_spawnp(&pid, argv[0], &actions, &attributes, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    ::close(toBridge.read);
    ::close(fromBridge.write);
    if (error != 0) {
        ::close(toBridge.write);
        ::close(fromBridge.read);
        throw Failure(SystemError(("cannot start " + command_.front()).c_str(), error));
    }
    pid_ = pid;
    ended_ = false;
    reaper_ = std::thread(&BridgeProcess::Reap, this, pid);
    input_ = toBridge.write;
    output_ = fromBridge.read;
    ::fcntl(input_, F_SETFL, O_NONBLOCK);
    ::fcntl(output_, F_SETFL, O_NONBLOCK);
    received_.Clear();
    bridge::CheckGreeting(Read(Clock::now() + times_.greeting, "bridge did not greet in time"));
}

bridge::Message BridgeProcess::Ask(const bridge::Message& request) {
    bool handed = false;
    try {
        if (!running()) Start();
        const Clock::time_point deadline = Clock::now() + times_.answer;
        Write(bridge::Encode(request), deadline);
        bridge::Message answer = Read(deadline, "bridge did not answer in time");
        if (answer.word == bridge::kHandingWord && answer.fields.empty()) {
            // The chat client has the message now: it is as slow as it is.
            handed = true;
            const auto seconds = std::chrono::ceil<std::chrono::seconds>(times_.chat).count();
            answer = Read(Clock::now() + times_.chat,
                          "no answer within " + std::to_string(seconds) + " s");
        }
        return answer;
    } catch (const std::exception& failure) {
        Kill();
        if (handed) throw bridge::NoAnswer(failure.what());
        throw bridge::Unreachable(failure.what());
    }
}

void BridgeProcess::Write(const std::string& bytes, Clock::time_point deadline) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        if (Clock::now() >= deadline || !Ready(input_, POLLOUT, deadline)) {
            throw Failure("bridge took no request in time");
        }
        const ssize_t count = ::write(input_, bytes.data() + written, bytes.size() - written);
        if (count < 0 && errno != EAGAIN && errno != EINTR) {
            throw Failure(errno == EPIPE ? "bridge ended" : SystemError("write", errno));
        }
        if (count > 0) written += static_cast<std::size_t>(count);
    }
}

// The deadline is looked at on every pass: a bridge that keeps sending
// bytes keeps poll answering at once, and must not outlast it.
bridge::Message BridgeProcess::Read(Clock::time_point deadline, const std::string& late) {
    char chunk[1 << 16];
    while (true) {
        if (std::optional<bridge::Message> message = received_.Take()) return *std::move(message);
        if (Clock::now() >= deadline || !Ready(output_, POLLIN, deadline)) throw Failure(late);
        const ssize_t count = ::read(output_, chunk, sizeof chunk);
        if (count == 0) throw Failure("bridge ended");
        if (count < 0 && errno != EAGAIN && errno != EINTR) throw Failure(SystemError("read", errno));
        if (count > 0) received_.Append(chunk, static_cast<std::size_t>(count));
    }
}

void BridgeProcess::CloseInput() {
    CloseFd(input_);
    CloseFd(output_);
    received_.Clear();
}

void BridgeProcess::Reap(pid_t pid) {
    siginfo_t info{};
    while (::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOWAIT) < 0 &&
           errno == EINTR) {
    }
    const std::lock_guard<std::mutex> lock(reaping_);
    ::kill(-pid, SIGKILL);  // what a wrapper started, while the leader still holds the group's id
    while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
    ended_ = true;
}

void BridgeProcess::Kill() {
    CloseInput();
    if (pid_ <= 0) return;
    {
        const std::lock_guard<std::mutex> lock(reaping_);
        if (!ended_) ::kill(-pid_, SIGKILL);
    }
    reaper_.join();
    pid_ = -1;
}

void BridgeProcess::Stop() {
    if (pid_ <= 0) return CloseInput();
    CloseInput();
    const Clock::time_point deadline = Clock::now() + times_.ending;
    while (!ended_ && Clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    Kill();
}

}  // namespace hueloom
