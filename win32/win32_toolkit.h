// The windowing toolkit of a plain Win32 program: its own message queue.
#pragma once

#include <cstdint>

#include "host/toolkit.h"

struct tagMSG;

namespace hueloom {

// Microseconds on the performance counter: steady, and read without a call to
// the system's server.
std::int64_t PerformanceMicroseconds();

// DoEvents dispatches every message waiting in the calling thread's queue. A
// quit request found there is put back for the program's own message loop.
//
// The fades yield thousands of times for a long line, and asking the queue
// whether anything waits is a round trip to the server under Wine: DoEvents
// asks at most once a millisecond, so a message waits at most that much
// longer, and still runs nested inside the handler that yields.
class Win32Toolkit final : public Toolkit {
  public:
    // Takes a message before it is dispatched (the windows' keyboard
    // navigation); true when it has handled it.
    using KeyFilter = bool (*)(tagMSG& message);
    // A steady clock in microseconds; tests put one of their own in its place.
    using Clock = std::int64_t (*)();
    static constexpr std::int64_t kAskEvery = 1000;  // microseconds

    explicit Win32Toolkit(KeyFilter filter = nullptr, Clock clock = &PerformanceMicroseconds);
    void DoEvents() override;
    // The program's message loop: runs until the quit request, returns its exit code.
    int Run();

  private:
    bool TimeToAsk();
    void Dispatch(tagMSG& message);

    KeyFilter filter_;
    Clock clock_;
    std::int64_t lastAsked_;
};

}  // namespace hueloom
