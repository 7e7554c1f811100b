// The windowing toolkit of a plain Win32 program: its own message queue.
#pragma once

#include "host/toolkit.h"

struct tagMSG;

namespace hueloom {

// DoEvents dispatches every message waiting in the calling thread's queue. A
// quit request found there is put back for the program's own message loop.
class Win32Toolkit final : public Toolkit {
  public:
    // Takes a message before it is dispatched (the windows' keyboard
    // navigation); true when it has handled it.
    using KeyFilter = bool (*)(tagMSG& message);

    explicit Win32Toolkit(KeyFilter filter = nullptr) : filter_(filter) {}
    void DoEvents() override;
    // The program's message loop: runs until the quit request, returns its exit code.
    int Run();

  private:
    void Dispatch(tagMSG& message);

    KeyFilter filter_;
};

}  // namespace hueloom
